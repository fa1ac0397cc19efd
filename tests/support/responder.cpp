#include "responder.h"

#include "core/frmwarn10.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace korvane::test {

namespace {
// Watches every window that opens; ends each invalid-file wait from inside its own modal loop.
class WaitCloser : public QObject {
  public:
    explicit WaitCloser(Responder &owner) : owner(owner) { qApp->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *wait = qobject_cast<frmWarn10 *>(watched);
        if (wait && event->type() == QEvent::Show && !owner.keepinvalidwait) {
            ++owner.invalidwaits;
            QTimer::singleShot(0, wait, [wait] {
                wait->Text1->setText("brantopewelk");
                while (wait->isVisible())
                    wait->Timer1_Timer();
            });
        }
        return false;
    }

  private:
    Responder &owner;
};
} // namespace

Responder::Responder() : waitcloser(std::make_unique<WaitCloser>(*this))
{
    setpromptresponder([this](const PromptRequest &request) {
        asked.push_back(request);
        if (replies.empty()) return PromptReply{};
        PromptReply reply = replies.front();
        replies.pop_front();
        return reply;
    });
}

Responder::~Responder() { setpromptresponder({}); }

bool Responder::wasasked(const QString &fragment) const
{
    for (const PromptRequest &request : asked)
        if (request.text.contains(fragment) || request.title.contains(fragment)) return true;
    return false;
}

int Responder::count(PromptRequest::Kind kind) const
{
    int n = 0;
    for (const PromptRequest &request : asked) n += request.kind == kind;
    return n;
}

} // namespace korvane::test
