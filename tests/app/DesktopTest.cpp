#include "app/ImageControl.h"
#include "app/ListBox.h"
#include "readability/Contrast.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QTest>

#include <map>

namespace tintabel::testing {
namespace {

double contrast(const QColor& a, const QColor& b)
{
    return contrastRatio(
        makeColour(a.red(), a.green(), a.blue()), makeColour(b.red(), b.green(), b.blue()));
}

// A desktop with a dark colour scheme: Fusion with a dark palette.
TEST_F(MainWindowFixture, UnderADarkPaletteEveryTextContrastsWithWhatLiesBeneathIt)
{
    const QString style = QApplication::style()->name();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QPalette dark(Qt::white, QColor(53, 53, 53), Qt::gray, Qt::black, Qt::gray, Qt::white,
        Qt::white, QColor(35, 35, 35), QColor(53, 53, 53));
    QApplication::setPalette(dark);
    TForm1& form = start(); // without a user folder the status bar shows its red text
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QImage shown = form.grab().toImage();
    int labels = 0;
    for (QLabel* label : form.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty() || qobject_cast<ImageControl*>(label))
            continue;
        ++labels;
        // What lies beneath the text: the colour most of the label's pixels have.
        std::map<QRgb, int> counts;
        const QRect area(label->mapTo(&form, QPoint()), label->size());
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[shown.pixel(x, y)];
        const auto beneath = std::ranges::max_element(counts, {}, [](auto c) { return c.second; });
        EXPECT_GE(contrast(label->palette().color(label->foregroundRole()), beneath->first), 3)
            << label->objectName().toStdString();
    }
    EXPECT_GE(labels, 10);
    const QPalette list = named<ListBox>(form, "lista1")->palette(); // keeps its light grey
    EXPECT_GE(contrast(list.color(QPalette::Text), list.color(QPalette::Base)), 3);
    close();
    QApplication::setStyle(style);
    QApplication::setPalette(QPalette());
}

TEST_F(MainWindowFixture, UnderALightPaletteTheDesignedColoursStay)
{
    TForm1& form = start();
    for (const auto& [name, colour] : {std::pair {"Label1", QColor(255, 0, 0)},
             {"Label2", QColor(0, 128, 0)}, {"Label3", QColor(0, 0, 255)},
             {"Label7", QColor(0, 0, 0)}, {"StatusBar1", QColor(255, 0, 0)}})
        EXPECT_EQ(named<QLabel>(form, name)->palette().color(QPalette::WindowText), colour) << name;
}

} // namespace
} // namespace tintabel::testing
