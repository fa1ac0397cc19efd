#pragma once
#include "editor/progresswindow.h"

namespace korvane {

// "Multi entry progress": writes every cell of the group of maps 40..43 to the ECU, one
// single-setting write each, column by column, stopping at the first failure (multierror);
// that cell and the ones after it stay pending for the next Enter.
class frmWarn8 : public progresswindow {
    Q_OBJECT
  public:
    frmWarn8();

  protected:
    void formcode() override;
    void done(int result) override;
};

} // namespace korvane
