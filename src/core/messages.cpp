#include "core/messages.h"

#include "core/frmwarn9.h"
#include "core/prefs.h"
#include "platform/beep.h"
#include "platform/forms.h"
#include "platform/prompts.h"

#include <QEventLoop>

namespace korvane {

QString msgtext;
QString msgtitle;
int msgticks = 0;

void showmessage(const QString &text, const QString &title, int ticks, int force)
{
    msgtext = text;
    msgtitle = title;
    msgticks = ticks;
    if (force != forced && hidemessages != 0) return;
    if (promptresponderinstalled()) {
        beep(); // as the window would on opening
        PromptRequest request{PromptRequest::Notice, text, title};
        request.ticks = ticks;
        askresponder(request);
        return;
    }
    // Another window's timer may report while a message is still open: this one follows when
    // that one has closed, with its own beep and its full time.
    if (loaded<frmWarn9>()) {
        QEventLoop waiting;
        QObject::connect(form<frmWarn9>(), &QDialog::finished, &waiting, &QEventLoop::quit);
        waiting.exec();
    }
    form<frmWarn9>()->exec();
}

} // namespace korvane
