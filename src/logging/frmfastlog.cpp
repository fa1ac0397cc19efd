#include "logging/frmfastlog.h"

#include "core/frmup1.h"
#include "core/upload.h"
#include "platform/forms.h"
#include "platform/passwordbox.h"
#include "platform/twips.h"

#include <QLineEdit>
#include <QPushButton>

namespace korvane {

namespace {
const QString keyword = QStringLiteral("quillmark");
}

frmFastlog::frmFastlog() {
    setWindowTitle("Report");
    setFixedSize(tw(3255), tw(1290));
    Text1 = new QLineEdit(keyword, this);
    maskwithstars(*Text1);
    Text1->setGeometry(tw(240), tw(180), tw(2775), tw(315));
    cmdOk = new QPushButton("&Report", this);
    cmdOk->setGeometry(tw(240), tw(720), tw(1275), tw(375));
    Command1 = new QPushButton("E&xit", this);
    Command1->setGeometry(tw(1740), tw(720), tw(1275), tw(375));
    connect(cmdOk, &QPushButton::clicked, this, &frmFastlog::cmdOk_Click);
    connect(Command1, &QPushButton::clicked, this, &frmFastlog::Command1_Click);
}

void frmFastlog::cmdOk_Click() {
    if (Text1->text() == keyword || Text1->text() == keyword.toUpper()) {
        uploadmode = 2;
        form<frmUp1>()->exec();
    }
    done(Accepted);
}

void frmFastlog::Command1_Click() {
    done(Rejected);
}

void frmFastlog::done(int result) {
    QDialog::done(result);
    if (forminstance<frmFastlog>() == this) unload<frmFastlog>();
}

} // namespace korvane
