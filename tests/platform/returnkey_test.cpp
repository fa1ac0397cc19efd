#include "config/frmmigrate.h"
#include "config/frmoutputs.h"
#include "config/frmsettings1.h"
#include "config/frmtrig1.h"
#include "core/buildprofile.h"
#include "core/calimage.h"
#include "core/editorstate.h"
#include "core/frmdec1.h"
#include "core/frmdown1.h"
#include "core/frmimportmap.h"
#include "core/frmup1.h"
#include "core/frmwarn10.h"
#include "core/frmwarn9.h"
#include "core/linecheck.h"
#include "core/mapfile.h"
#include "core/names.h"
#include "editor/frmfloat.h"
#include "editor/frmfuel1.h"
#include "editor/frminjtrim.h"
#include "editor/frminput.h"
#include "editor/frmwarn11.h"
#include "editor/frmwarn2.h"
#include "editor/frmwarn3.h"
#include "editor/frmwarn4.h"
#include "editor/frmwarn5.h"
#include "editor/frmwarn6.h"
#include "editor/frmwarn7.h"
#include "editor/frmwarn8.h"
#include "editor/frmwizard.h"
#include "graphics/frmangle.h"
#include "graphics/frmatx.h"
#include "graphics/frmcolors.h"
#include "graphics/frmltt.h"
#include "graphics/frmpreferences.h"
#include "graphics/frmzero.h"
#include "logging/exportswindows.h"
#include "logging/frmdiag.h"
#include "logging/frmfastlog.h"
#include "logging/frmlog.h"
#include "logging/frmtrigtest.h"
#include "platform/forms.h"
#include "platform/mapgrid.h"
#include "responder.h"
#include "tempfolder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QDirIterator>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace korvane;

namespace {
struct WindowClass {
    std::string name;
    std::function<QWidget *()> open;
    std::function<void()> close;
};

// Closed as its close box would, so it gives back what it took; unloaded in any case.
template <class T> WindowClass windowclass(const char *name)
{
    return {name, [] { return static_cast<QWidget *>(form<T>()); },
            [] {
                if (auto *dialog = loaded<T>() ? qobject_cast<QDialog *>(form<T>()) : nullptr)
                    dialog->reject();
                unload<T>();
            }};
}
#define WINDOW(T) windowclass<T>(#T)

// Every window class of the program; the walk's own check below keeps the list complete.
std::vector<WindowClass> everywindow()
{
    return {WINDOW(frmdec1),        WINDOW(frmUp1),        WINDOW(frmDown1),
            WINDOW(frmWarn9),       WINDOW(frmWarn10),     WINDOW(frmImportMap),
            WINDOW(frmFuel1),       WINDOW(frmFloat),      WINDOW(frmInput),
            WINDOW(frmInjtrim),     WINDOW(frmwizard),     WINDOW(frmWarn2),
            WINDOW(frmWarn3),       WINDOW(frmWarn4),      WINDOW(frmWarn5),
            WINDOW(frmWarn6),       WINDOW(frmWarn7),      WINDOW(frmWarn8),
            WINDOW(frmWarn11),      WINDOW(frmAngle),      WINDOW(frmColors),
            WINDOW(frmPreferences), WINDOW(frmAtx),        WINDOW(frmLtt),
            WINDOW(frmZero),        WINDOW(frmSettings1),  WINDOW(frmMigrate),
            WINDOW(frmOutputs),     WINDOW(frmTrig1),      WINDOW(frmLog),
            WINDOW(frmFastlog),     WINDOW(frmExport),     WINDOW(frmExportText),
            WINDOW(frmExportCsv),   WINDOW(frmDiag),       WINDOW(frmTrigtest)};
}

// The window classes the sources declare: built on a dialog or a main window, directly or
// through other classes, and not themselves a base of others.
std::set<std::string> declaredwindows()
{
    static const QRegularExpression declaration(R"(class (\w+) *: *public (\w+))");
    std::map<QString, QString> base;
    QDirIterator files(QStringLiteral(KORVANE_DATA_DIR "/../src"), {"*.h"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly)) continue;
        for (const auto &match : declaration.globalMatch(QString::fromUtf8(file.readAll())))
            base[match.captured(1)] = match.captured(2);
    }
    std::set<std::string> windows;
    for (const auto &[name, parent] : base) {
        QString root = parent;
        while (base.count(root)) root = base[root];
        const bool isbase = std::any_of(base.begin(), base.end(),
                                        [&](const auto &entry) { return entry.second == name; });
        if ((root == "QDialog" || root == "QMainWindow") && !isbase)
            windows.insert(name.toStdString());
    }
    return windows;
}

// The controls of a shown window that take typed keys: everything that can have the focus but
// a push button or a list or grid, whose Return is its own.
std::vector<QWidget *> entryboxes(QWidget &window)
{
    std::vector<QWidget *> boxes;
    for (QWidget *w : window.findChildren<QWidget *>())
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !qobject_cast<QPushButton *>(w) && !qobject_cast<QAbstractItemView *>(w) &&
            w->window() == &window && !w->focusProxy())
            boxes.push_back(w);
    return boxes;
}

// An option that Tab reaches while another of its group is the chosen one.
bool besidechosen(const QWidget *focus)
{
    const auto *radio = qobject_cast<const QRadioButton *>(focus);
    if (!radio || radio->isChecked() || !radio->parentWidget()) return false;
    const QList<QAbstractButton *> options =
        radio->group()
            ? radio->group()->buttons()
            : radio->parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly);
    return std::any_of(options.begin(), options.end(), [](QAbstractButton *option) {
        return qobject_cast<QRadioButton *>(option) && option->isChecked();
    });
}

// A window may open with the focus on itself, an entry box, a tick box, a scroll bar, a list
// or grid, the chosen option of a group, or a button that only closes; never on one that acts.
bool safefirstfocus(const QWidget *focus, const QWidget &window)
{
    if (qobject_cast<const QRadioButton *>(focus)) return !besidechosen(focus);
    const auto *button = qobject_cast<const QPushButton *>(focus);
    if (!button) return true;
    // A notice's one button only closes it.
    return QStringList{"E&xit", "&Cancel"}.contains(button->text()) ||
           window.findChildren<QPushButton *>().size() == 1;
}

// Whether a control looked otherwise with the focus: some pixel darker or lighter by more
// than contrast grey levels.
bool showsfocus(const QImage &focused, const QImage &unfocused, int contrast) {
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x)
            if (std::abs(qGray(focused.pixel(x, y)) - qGray(unfocused.pixel(x, y))) > contrast)
                return true;
    return false;
}

// What a held Return and keypad Enter send after their first press.
void heldreturn(QWidget *control)
{
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(control, &held);
    QKeyEvent heldpad(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier, "\r", true);
    QApplication::sendEvent(control, &heldpad);
}
} // namespace

TEST(ReturnKey, ReturnInAnyEntryBoxOfAnyWindowPressesNoButtonUnasked)
{
    test::TempProgramFolder folder;
    test::Responder responder;
    setbuildprofile();
    inittables();
    initnames();
    ASSERT_EQ(loadmapfile(templatefile(), true), QString());
    currpm = 5; // the row windows choose is not their first option

    std::set<std::string> walked;
    std::vector<std::string> autodefaults, defaults, presses, firstfocus, tabbed, held, unframed;
    // A button pressed by mistake may open another modal window: it is closed again.
    QWidget *window = nullptr;
    QTimer closer;
    closer.callOnTimeout([&] {
        auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (modal && modal != window) modal->reject();
    });
    closer.start(100);
    for (const WindowClass &windowclass : everywindow()) {
        walked.insert(windowclass.name);
        window = windowclass.open();
        window->show();
        // No poll, splash or progress work runs under the walk.
        for (QTimer *timer : window->findChildren<QTimer *>()) timer->stop();
        // A wait the responder ends at once is gone before it could take the focus.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window) || !window->isVisible())
            << windowclass.name;
        const QWidget *first = QApplication::focusWidget();
        if (!safefirstfocus(first, *window))
            firstfocus.push_back(windowclass.name + " " + first->objectName().toStdString() +
                                 first->property("text").toString().toStdString());
        // Tab reaches each option group at its chosen option.
        for (int tab = 0; tab < 60 && QApplication::focusWidget(); ++tab) {
            QWidget *at = QApplication::focusWidget();
            if (besidechosen(at))
                tabbed.push_back(windowclass.name + " " +
                                 at->property("text").toString().toStdString());
            if (qobject_cast<MapGrid *>(at)) break;
            // The control with the focus shows it: it looks otherwise once Tab moves on, and
            // the frame drawn on a button or scroll bar stands out from any colour under it.
            const QImage focused = at->grab().toImage();
            QTest::keyClick(at, Qt::Key_Tab);
            const bool drawn =
                qobject_cast<QAbstractButton *>(at) || qobject_cast<QScrollBar *>(at);
            if (QApplication::focusWidget() != at &&
                !showsfocus(focused, at->grab().toImage(), drawn ? 96 : 0))
                unframed.push_back(windowclass.name + " " + at->metaObject()->className() + " " +
                                   at->property("text").toString().toStdString());
        }
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            const std::string name = windowclass.name + " " + button->text().toStdString();
            if (button->autoDefault()) autodefaults.push_back(name);
            if (button->isDefault()) defaults.push_back(name);
            QObject::connect(button, &QPushButton::pressed, [&presses, name] {
                presses.push_back(name);
            });
        }
        // A held Return presses nothing, asks nothing and changes no map, whatever has the
        // focus; only the map grid, whose held keys step cells, is left its own.
        const calimage before = curimage;
        const size_t prompts = responder.asked.size(), pressed = presses.size();
        for (QWidget *control : window->findChildren<QWidget *>())
            if (window->isVisible() && control->isVisible() && control->isEnabled() &&
                control->focusPolicy() != Qt::NoFocus && !qobject_cast<MapGrid *>(control)) {
                control->setFocus(Qt::TabFocusReason);
                heldreturn(control);
            }
        if (window->isVisible()) heldreturn(window);
        if (presses.size() != pressed || responder.asked.size() != prompts ||
            std::memcmp(&before, &curimage, sizeof before) != 0)
            held.push_back(windowclass.name);
        // Every page of a tabbed window, each entry box with the focus as the user gives it.
        const QList<QTabWidget *> tabs = window->findChildren<QTabWidget *>();
        const int pages = tabs.empty() ? 1 : tabs.front()->count();
        for (int page = 0; page < pages && window->isVisible(); ++page) {
            if (!tabs.empty()) tabs.front()->setCurrentIndex(page);
            for (QWidget *box : entryboxes(*window)) {
                if (!window->isVisible()) break;
                box->setFocus(Qt::TabFocusReason);
                QTest::keyClick(box, Qt::Key_Return);
                QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
            }
        }
        windowclass.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(walked, declaredwindows());
    // Only the windows that name a button for Return have one, and only that button is pressed:
    // the one-button notices and the VCTi spread's "&Ok".
    EXPECT_EQ(autodefaults, std::vector<std::string>{});
    const std::vector<std::string> asked = {"frmWarn5 OK", "frmWarn6 &Ok", "frmWarn7 &Ok"};
    EXPECT_EQ(defaults, asked);
    EXPECT_EQ(presses, std::vector<std::string>{"frmWarn7 &Ok"});
    EXPECT_EQ(firstfocus, std::vector<std::string>{});
    EXPECT_EQ(tabbed, std::vector<std::string>{});
    EXPECT_EQ(held, std::vector<std::string>{});
    EXPECT_EQ(std::set<std::string>(unframed.begin(), unframed.end()), std::set<std::string>{});
}

TEST(ReturnKey, HeldReturnAnswersNoQuestionButOnePressAnswersOk)
{
    // The program's own question box, as the tuner meets it: the repeats of the Return that
    // opened it leave it open; one deliberate Return, or keypad Enter, answers OK.
    for (const Qt::KeyboardModifier pad : {Qt::NoModifier, Qt::KeypadModifier}) {
        bool stayed = false;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            QWidget *focus = box->focusWidget() ? box->focusWidget() : box;
            heldreturn(focus);
            heldreturn(box);
            // The window system may send a repeat unmarked: a release and a press at one time.
            for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
                QKeyEvent repeat(type, Qt::Key_Return, Qt::NoModifier, "\r");
                repeat.setTimestamp(4242);
                QApplication::sendEvent(box->windowHandle(), &repeat);
            }
            stayed = QApplication::activeModalWidget() == box;
            QKeyEvent other(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
            QApplication::sendEvent(box->windowHandle(), &other); // another key ends the hold
            QTest::keyClick(focus, pad ? Qt::Key_Enter : Qt::Key_Return, pad);
        });
        EXPECT_TRUE(msgboxokcancel("Proceeding will alter the fuel map, do you wish to continue?"));
        EXPECT_TRUE(stayed) << pad;
    }
}
