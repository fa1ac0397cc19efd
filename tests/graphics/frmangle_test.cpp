#include "graphics/frmangle.h"

#include "editor/frmfuel1links.h"
#include "editor/viewangles.h"
#include "platform/forms.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace korvane;

// Each bar sets its own angle, then the floor grid is projected again before the redraw.
TEST(ViewingAngle, EachBarTurnsItsOwnAngleAndRedrawsTheView)
{
    QString steps;
    fuel1links().loadrotcartesians = [&steps] {
        steps += QString("grid %1/%2 ").arg(viewrot).arg(viewtilt);
    };
    fuel1links().threedraw32 = [&steps] { steps += "draw "; };
    viewrot = 44.5f, viewtilt = 8.5f; // shown halves to even
    frmAngle *window = form<frmAngle>();
    EXPECT_EQ(window->HScroll1->value(), 44);
    EXPECT_EQ(window->VScroll1->value(), 8);
    window->HScroll1->setValue(360); // a whole turn, and the highest tilt
    window->VScroll1->setValue(10);
    window->HScroll1->setValue(200);
    window->VScroll1->setValue(3);
    EXPECT_EQ(steps, "grid 360/8.5 draw grid 360/10 draw grid 200/10 draw grid 200/3 draw ");
    // The arrow keys turn the way they point.
    QTest::keyClick(window->HScroll1, Qt::Key_Right);
    EXPECT_EQ(viewrot, 201);
    QTest::keyClick(window->HScroll1, Qt::Key_Left);
    QTest::keyClick(window->HScroll1, Qt::Key_Left);
    EXPECT_EQ(viewrot, 199);
    window->Command1->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(loaded<frmAngle>());
    EXPECT_EQ(viewrot, 199);
    fuel1links() = frmfuel1links{};
    viewrot = 45, viewtilt = 9;
}
