#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPointer>
#include <QScrollBar>
#include <QtTest/QTest>

#include "ListTestKit.h"
#include "RecordingHost.h"
#include "controls/CellSizeFont.h"
#include "controls/ComboList.h"
#include "controls/SkinListBox.h"

namespace {

using Pic = SScrollPictures;

constexpr QRgb kItemText = qRgb(230, 230, 230);
constexpr QRgb kItemBack = qRgb(40, 20, 60);
constexpr QRgb kSelText = qRgb(255, 255, 0);
constexpr QRgb kSelBack = qRgb(0, 120, 90);

// A list on a host window, coloured and with its scroll bar attached, as the loader makes it.
template <typename List>
class ListOnHost {
public:
    explicit ListOnHost(QRect geometry, const std::string& missingPicture = "") : pictures(missingPicture) {
        list = new List(&host);
        list->setGeometry(geometry);
        list->SetItemTextColor(FromQRgb(kItemText));
        list->SetItemBackColor(FromQRgb(kItemBack));
        list->SetSelTextColor(FromQRgb(kSelText));
        list->SetSelBackColor(FromQRgb(kSelBack));
        list->setFont(CellSizeFont("Arial", 18, 10));
        pictures.AttachTo(*list);
        list->AddColumn(35, Qt::AlignRight);
        list->AddColumn(list->ClientWidth() - list->ScrollBar()->width() - 40, Qt::AlignLeft);
    }

    void AddRows(int count) {
        for (int i = 1; i <= count; ++i) {
            list->AddItem(QString("row %1").arg(i));
        }
        list->doItemsLayout();
    }
    QRect RowRect(int row) const { return list->visualItemRect(list->topLevelItem(row)); }

    const Pic pictures;
    CRecordingHost host{QSize(400, 300)};
    List* list = nullptr;
};

TEST(SkinListBox, NumbersRowsInThreeCharactersAndAFullStop) {
    const std::pair<int, const char*> cases[] = {{1, "  1."},      {9, "  9."},   {12, " 12."},
                                                 {99, " 99."},     {100, "100."}, {1000, "1000."},
                                                 {12345, "12345."}};
    for (const auto& [number, text] : cases) {
        EXPECT_EQ(CSkinListBox::RowNumber(number), text);
    }
    ListOnHost<CSkinListBox> fixture(QRect(0, 0, 216, 100));
    fixture.AddRows(12);
    const QTreeWidgetItem* twelfth = fixture.list->topLevelItem(11);
    EXPECT_EQ(twelfth->text(0), " 12.");
    EXPECT_EQ(twelfth->text(1), "row 12");
}

// Two columns inserted at position 1 one after the other end up before the text column in
// reverse order; every cell's text, width and alignment moves with its column.
TEST(SkinList, InsertColumnMovesTheCellsOfTheColumnsAfterIt) {
    ListOnHost<CSkinListBox> fixture(QRect(0, 0, 216, 100));
    fixture.AddRows(2);
    fixture.list->InsertColumn(1, 50, Qt::AlignLeft);
    fixture.list->InsertColumn(1, 200, Qt::AlignHCenter);
    fixture.list->InsertColumn(4, 10, Qt::AlignRight);  // at the end
    fixture.list->InsertColumn(6, 10, Qt::AlignRight);  // past the end: nothing
    fixture.list->AddItem("third");

    ASSERT_EQ(fixture.list->columnCount(), 5);
    const int widths[] = {35, 200, 50, 144, 10};
    const Qt::Alignment alignments[] = {Qt::AlignRight, Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignLeft,
                                        Qt::AlignRight};
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(fixture.list->columnWidth(column), widths[column]) << column;
        EXPECT_EQ(fixture.list->ColumnAlignment(column), alignments[column]) << column;
    }
    const std::vector<QStringList> rows = {
        {"  1.", "", "", "row 1", ""}, {"  2.", "", "", "row 2", ""}, {"  3.", "third", "", "", ""}};
    for (int row = 0; row < 3; ++row) {
        QStringList texts;
        for (int column = 0; column < 5; ++column) {
            texts << fixture.list->topLevelItem(row)->text(column);
        }
        EXPECT_EQ(texts, rows[static_cast<size_t>(row)]) << row;
    }
}

TEST(SkinList, TheScrollBarTakesTheRightEdgeOfTheListsRectangle) {
    ListOnHost<CSkinListBox> fixture(QRect(10, 20, 216, 100));
    EXPECT_EQ(fixture.list->geometry(), QRect(10, 20, 200, 100));
    EXPECT_EQ(fixture.list->ScrollBar()->geometry(), QRect(210, 20, 16, 100));
    EXPECT_EQ(fixture.list->ScrollBar()->parentWidget(), &fixture.host);
    EXPECT_EQ(fixture.list->columnWidth(1), 144);

    ListOnHost<CComboList> withoutUp(QRect(10, 20, 216, 100), "up.bmp");
    EXPECT_EQ(withoutUp.list->geometry(), QRect(10, 20, 216, 100));
    EXPECT_EQ(withoutUp.list->ScrollBar()->width(), 0);
}

TEST(SkinList, TheScrollBarGoesWithItsList) {
    CRecordingHost host{QSize(400, 300)};
    QPointer<CSkinScrollBar> bar = (new CSkinListBox(&host))->ScrollBar();
    delete host.findChild<CSkinListBox*>();
    EXPECT_TRUE(bar.isNull());
}

TEST(SkinList, SelectedRowsAreDrawnInTheSelectionColoursAndStaySelected) {
    ListOnHost<CSkinListBox> fixture(QRect(0, 0, 216, 160));
    fixture.AddRows(3);
    fixture.list->topLevelItem(1)->setSelected(true);
    fixture.list->clearFocus();

    const QImage shot = Shot(*fixture.list);
    const auto colourAt = [&shot](QPoint point) { return shot.pixel(point); };
    const QRect unselected = fixture.RowRect(0);
    const QRect selected = fixture.RowRect(1);
    EXPECT_EQ(colourAt(unselected.topLeft() + QPoint(1, 1)), kItemBack);
    EXPECT_EQ(colourAt(selected.topLeft() + QPoint(1, 1)), kSelBack);
    EXPECT_EQ(colourAt(QPoint(selected.right() - 1, selected.top() + 1)), kSelBack);  // the full row
    EXPECT_EQ(colourAt(QPoint(5, 150)), kItemBack);  // the empty part below the rows

    const auto rowHasColour = [&shot](const QRect& row, QRgb colour) {
        for (int y = row.top(); y <= row.bottom(); ++y) {
            for (int x = row.left(); x <= row.right(); ++x) {
                if (shot.pixel(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(rowHasColour(selected, kSelText));
    EXPECT_FALSE(rowHasColour(selected, kItemText));
    EXPECT_TRUE(rowHasColour(unselected, kItemText));
    EXPECT_FALSE(rowHasColour(unselected, kSelText));

    const QList<QTreeWidgetItem*> reported = fixture.list->selectedItems();
    ASSERT_EQ(reported.size(), 1);
    EXPECT_EQ(reported.front(), fixture.list->topLevelItem(1));
}

TEST(SkinList, TheDownKeyMovesTheSelectionAndTheThumb) {
    ListOnHost<CSkinListBox> fixture(QRect(0, 0, 216, 120));
    fixture.AddRows(40);
    fixture.host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fixture.host));
    CSkinScrollBar& bar = *fixture.list->ScrollBar();
    fixture.list->setCurrentItem(fixture.list->topLevelItem(0));
    fixture.list->setFocus();
    EXPECT_EQ(bar.ThumbTop(), 16);

    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(fixture.list, Qt::Key_Down);
    }
    EXPECT_EQ(fixture.list->selectedItems(), QList<QTreeWidgetItem*>{fixture.list->topLevelItem(20)});
    const QScrollBar& position = *fixture.list->verticalScrollBar();
    ASSERT_GT(position.value(), 0);
    const int track = 120 - 3 * 16;
    EXPECT_EQ(bar.ThumbTop(), 16 + position.value() * track / position.maximum());
}

TEST(SkinList, WithFewerRowsThanFitTheBarIsPlainItemBackground) {
    ListOnHost<CSkinListBox> fixture(QRect(0, 0, 216, 160));
    fixture.AddRows(2);
    CSkinScrollBar& bar = *fixture.list->ScrollBar();
    for (const int y : {2, 80, 157}) {
        EXPECT_EQ(Shot(bar).pixel(8, y), kItemBack) << y;
    }
}

TEST(SkinList, MovesOverTheListReachTheBarInTheListsCoordinates) {
    ListOnHost<CSkinListBox> fixture(QRect(0, 0, 216, 120));
    fixture.AddRows(40);
    CSkinScrollBar& bar = *fixture.list->ScrollBar();
    Hover(*fixture.list->viewport(), QPoint(8, 110));  // the bar's down arrow, seen from the list
    EXPECT_EQ(Shot(bar).pixel(8, 110), Pic::kDownActive);
}

TEST(SkinListBox, AClickIsReportedAfterTheSelectionChanged) {
    ListOnHost<CSkinListBox> fixture(QRect(0, 0, 216, 160));
    fixture.AddRows(5);
    QList<QTreeWidgetItem*> selectedAtReport;
    fixture.host.onEvent = [&](const std::string&) { selectedAtReport = fixture.list->selectedItems(); };

    QTest::mouseClick(fixture.list->viewport(), Qt::LeftButton, Qt::NoModifier, fixture.RowRect(3).center());
    EXPECT_EQ(fixture.host.events, std::vector<std::string>{"list"});
    EXPECT_EQ(selectedAtReport, QList<QTreeWidgetItem*>{fixture.list->topLevelItem(3)});

    // Several rows may be selected.
    QTest::mouseClick(fixture.list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      fixture.RowRect(1).center());
    EXPECT_EQ(fixture.list->selectedItems().size(), 2);
    QTest::mouseClick(fixture.list->viewport(), Qt::RightButton, Qt::NoModifier, fixture.RowRect(0).center());
    EXPECT_EQ(fixture.host.events.size(), 2u);
}

TEST(ComboList, AClickHandsTheChosenRowsTextToTheFirstComboBox) {
    ListOnHost<CComboList> fixture(QRect(0, 0, 216, 160));
    for (const char* text : {"alpha", "beta", "gamma"}) {
        fixture.list->AddItem(text);
    }
    fixture.list->doItemsLayout();
    QTest::mouseClick(fixture.list->viewport(), Qt::LeftButton, Qt::NoModifier, fixture.RowRect(1).center());
    QTest::mouseClick(fixture.list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      fixture.RowRect(2).center());
    EXPECT_EQ(fixture.host.events, (std::vector<std::string>{"combo item 'beta'", "combo item 'gamma'"}));
    EXPECT_EQ(fixture.list->selectedItems().size(), 1);  // one row at a time
}

TEST(CellSizeFont, FitsTheCellOfTheListFont) {
    const QFontMetrics metrics(CellSizeFont("Arial", 18, 10));
    EXPECT_LE(metrics.height(), 18);
    EXPECT_GE(metrics.height(), 16);
    EXPECT_NEAR(metrics.averageCharWidth(), 10, 1);
}

}  // namespace
