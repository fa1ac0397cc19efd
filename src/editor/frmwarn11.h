#pragma once
#include "editor/progresswindow.h"

namespace korvane {

// "Interpolation progress": 21 passes over the group, each cell moved to its straight-line
// target, directly or (main maps online, and along rpm offline too) by one trim step a pass.
class frmWarn11 : public progresswindow {
    Q_OBJECT
  public:
    frmWarn11();

  protected:
    void formcode() override;
    void done(int result) override;
};

} // namespace korvane
