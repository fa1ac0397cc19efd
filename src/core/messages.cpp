#include "core/messages.h"

#include "core/frmwarn9.h"
#include "core/prefs.h"
#include "platform/beep.h"
#include "platform/forms.h"
#include "platform/prompts.h"

#include <QEventLoop>

#include <deque>
#include <memory>

namespace korvane {

namespace {
struct Message {
    QString text, title;
    int ticks = 0;
    bool shown = false;
};
std::deque<std::shared_ptr<Message>> waiting; // raised, not yet opened, oldest first
} // namespace

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
    // Another window's timer may report while a message is open: each waiting message keeps
    // its own text, title and time, and they open one after another in the order raised. The
    // innermost waiting call is the one that runs when the window closes, so whichever call
    // wakes shows the queue from its front until its own message has been shown.
    auto own = std::make_shared<Message>(Message{text, title, ticks});
    waiting.push_back(own);
    while (!own->shown) {
        if (loaded<frmWarn9>() && form<frmWarn9>()->isVisible()) {
            QEventLoop closed;
            QObject::connect(form<frmWarn9>(), &QDialog::finished, &closed, &QEventLoop::quit);
            QObject::connect(form<frmWarn9>(), &QObject::destroyed, &closed, &QEventLoop::quit);
            closed.exec();
            continue;
        }
        unload<frmWarn9>(); // a window loaded but never shown holds an older message
        const std::shared_ptr<Message> next = waiting.front();
        waiting.pop_front();
        next->shown = true;
        msgtext = next->text;
        msgtitle = next->title;
        msgticks = next->ticks;
        form<frmWarn9>()->exec();
    }
}

} // namespace korvane
