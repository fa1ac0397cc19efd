#pragma once
#include "platform/forms.h"

#include <QDialog>

namespace korvane {

// A modal window that runs Form_Unload and unloads itself however it closes (its own button,
// the close box, Escape), so the next use loads it afresh.
template <class T> class ToolWindow : public QDialog {
  public:
    virtual void Form_Unload() {}

    void done(int result) override
    {
        Form_Unload();
        QDialog::done(result);
        if (forminstance<T>() == this) unload<T>();
    }
};

// Starts or stops the main window's live loop, when there is a main window.
void setmaintimer(bool on);
// Whether the main window's live loop runs; false without a main window.
bool maintimeron();

} // namespace korvane
