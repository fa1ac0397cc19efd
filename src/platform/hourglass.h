#pragma once

namespace korvane {

// The hourglass mouse pointer for as long as the object lives.
class Hourglass {
  public:
    Hourglass();
    ~Hourglass();
    Hourglass(const Hourglass &) = delete;
    Hourglass &operator=(const Hourglass &) = delete;
};

} // namespace korvane
