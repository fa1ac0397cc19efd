#pragma once
#include <QString>
#include <QTemporaryDir>

namespace korvane::test {

// A fresh program folder for one test, holding copies of the shipped data files.
class TempProgramFolder {
  public:
    explicit TempProgramFolder(bool withdata = true);
    ~TempProgramFolder();
    QString path() const; // ends in '/'
    QString file(const QString &name) const { return path() + name; }

  private:
    QTemporaryDir dir;
    QString previous;
};

// The shipped data folder of the source tree.
QString datadir();

} // namespace korvane::test
