#include "core/messages.h"

#include "core/prefs.h"
#include "platform/prompts.h"

namespace korvane {

// Interim: goes to the prompt responder or a message box until the timed window exists.
void showmessage(const QString &text, const QString &title, int ticks, int force)
{
    if (force != forced && hidemessages != 0) return;
    if (promptresponderinstalled()) {
        PromptRequest request{PromptRequest::Notice, text, title};
        request.ticks = ticks;
        askresponder(request);
        return;
    }
    msgbox(text, title);
}

} // namespace korvane
