#include "platform/prompts.h"

#include "platform/colour.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

namespace korvane {

namespace {
PromptResponder &responder()
{
    static PromptResponder installed;
    return installed;
}

QWidget *parentwindow() { return QApplication::activeWindow(); }

// "s20 files|*.s20" becomes Qt's "s20 files (*.s20)".
QString qtfilter(const QString &filter)
{
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QString("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
    return out.join(";;");
}

QString withdefaultext(QString path, const QString &defaultext)
{
    if (!path.isEmpty() && !defaultext.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += '.' + defaultext;
    return path;
}

QString presetfolder(const QString &presetname)
{
    return presetname.isEmpty() ? QString() : QFileInfo(presetname).absolutePath();
}
} // namespace

void setpromptresponder(PromptResponder r) { responder() = std::move(r); }
bool promptresponderinstalled() { return bool(responder()); }
PromptReply askresponder(const PromptRequest &request) { return responder()(request); }

void msgbox(const QString &text, const QString &title)
{
    if (responder()) {
        responder()({PromptRequest::Message, text, title});
        return;
    }
    QMessageBox::information(parentwindow(), title.isEmpty() ? qApp->applicationName() : title,
                             text);
}

bool msgboxokcancel(const QString &text, const QString &title)
{
    if (responder()) return responder()({PromptRequest::OkCancel, text, title}).ok;
    const auto answer = QMessageBox::question(
        parentwindow(), title.isEmpty() ? qApp->applicationName() : title, text,
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    return answer == QMessageBox::Ok;
}

std::optional<QString> inputbox(const QString &prompt, const QString &title,
                                const QString &defaulttext)
{
    if (responder()) {
        const PromptReply reply = responder()({PromptRequest::Input, prompt, title, defaulttext});
        if (!reply.ok) return std::nullopt;
        return reply.text;
    }
    QInputDialog dialog(parentwindow());
    dialog.setWindowTitle(title.isEmpty() ? qApp->applicationName() : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaulttext);
    // A narrow box would have its title cut by the window frame (icon and three buttons); the
    // dialog sizes itself to its layout, so the prompt's label carries the width.
    constexpr int framebuttons = 160;
    if (auto *label = dialog.findChild<QLabel *>())
        label->setMinimumWidth(dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) +
                               framebuttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

QString openfiledialog(const QString &filter, const QString &defaultext, const QString &presetname)
{
    if (responder()) {
        PromptRequest request{PromptRequest::OpenFile, presetname};
        request.filter = filter;
        request.defaultext = defaultext;
        const PromptReply reply = responder()(request);
        return reply.ok ? reply.text : QString();
    }
    const QString path = QFileDialog::getOpenFileName(parentwindow(), "Open",
                                                      presetfolder(presetname), qtfilter(filter));
    return path.isEmpty() || !QFileInfo::exists(path) ? QString() : path;
}

QString openorcreatefiledialog(const QString &filter, const QString &defaultext,
                               const QString &presetname)
{
    if (responder()) return openfiledialog(filter, defaultext, presetname);
    QFileDialog dialog(parentwindow(), "Open", presetfolder(presetname), qtfilter(filter));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultext);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().first();
    if (!QFileInfo::exists(path) &&
        !msgboxokcancel(path + "\nThis file does not exist.\nCreate the file?", "Open"))
        return {};
    return path;
}

QString savefiledialog(const QString &filter, const QString &defaultext, const QString &presetname)
{
    if (responder()) {
        PromptRequest request{PromptRequest::SaveFile, presetname};
        request.filter = filter;
        request.defaultext = defaultext;
        const PromptReply reply = responder()(request);
        return reply.ok ? withdefaultext(reply.text, defaultext) : QString();
    }
    QFileDialog dialog(parentwindow(), "Save as", presetfolder(presetname), qtfilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultext);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return withdefaultext(dialog.selectedFiles().first(), defaultext);
}

std::optional<uint32_t> colourdialog(uint32_t initial)
{
    if (responder()) {
        PromptRequest request{PromptRequest::Colour};
        request.colour = initial;
        const PromptReply reply = responder()(request);
        if (!reply.ok) return std::nullopt;
        return reply.colour;
    }
    const QColor chosen = QColorDialog::getColor(tocolor(initial), parentwindow());
    if (!chosen.isValid()) return std::nullopt;
    return fromcolor(chosen);
}

} // namespace korvane
