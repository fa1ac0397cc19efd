#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace korvane {

// One question or notice the program puts to the user.
struct PromptRequest {
    enum Kind { Message, OkCancel, Input, OpenFile, SaveFile, Colour, Notice };
    Kind kind = Message;
    QString text;        // message, prompt, or the dialog's preset file name
    QString title;
    QString defaulttext; // input box default answer
    QString filter;      // file dialogs: "s20 files|*.s20"
    QString defaultext;  // file dialogs: "s20"
    uint32_t colour = 0; // colour dialog: the starting colour
    int ticks = 0;       // Notice: how long a timed message stays (100 ms ticks)
};

// The user's answer. ok is false for Cancel.
struct PromptReply {
    bool ok = true;
    QString text;        // input box answer or chosen path
    uint32_t colour = 0;
};

// While a responder is installed every prompt goes to it instead of a dialog, so nothing
// blocks; tests install one. An empty function puts the real dialogs back.
using PromptResponder = std::function<PromptReply(const PromptRequest &)>;
void setpromptresponder(PromptResponder responder);
bool promptresponderinstalled();
// Hands a request to the installed responder; only valid while one is installed.
PromptReply askresponder(const PromptRequest &request);

// A message box with an OK button.
void msgbox(const QString &text, const QString &title = QString());
// A message box with OK and Cancel; true for OK.
bool msgboxokcancel(const QString &text, const QString &title = QString());
// An input box; nothing on Cancel, else the typed text (maybe empty).
std::optional<QString> inputbox(const QString &prompt, const QString &title = QString(),
                                const QString &defaulttext = QString());
// Open dialog for an existing file; empty on Cancel. filter is "name|*.ext[|name|*.ext]".
QString openfiledialog(const QString &filter, const QString &defaultext,
                       const QString &presetname = QString());
// The open dialog that also takes the name of a file not made yet, asking first whether to
// create it; empty on Cancel. A responder sees it as an OpenFile request.
QString openorcreatefiledialog(const QString &filter, const QString &defaultext,
                               const QString &presetname = QString());
// Save dialog that asks before overwriting; empty on Cancel.
QString savefiledialog(const QString &filter, const QString &defaultext,
                       const QString &presetname = QString());
// Colour dialog; nothing on Cancel. Colours are 0x00BBGGRR.
std::optional<uint32_t> colourdialog(uint32_t initial);

} // namespace korvane
