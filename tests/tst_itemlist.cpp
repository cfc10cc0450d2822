#include "helpers.h"
#include "workspace/errors.h"
#include "workspace/itemlist.h"

#include <QTest>

using namespace playfair;
using playfair::testing::itemsOf;

class TestItemList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addItemKeepsTheOrderOfAdding()
    {
        ItemList list;
        for (const char *item : {"ZZ", "AB", "M", "AA"})
            list.AddItem(QString::fromLatin1(item));
        QCOMPARE(itemsOf(list), QStringLiteral("ZZ AB M AA"));
        QCOMPARE(list.ListCount(), qint16(4));
        QCOMPARE(list.List(1), QStringLiteral("AB"));
        QCOMPARE(list.ListIndex(), qint16(-1));
    }

    void removeItem_data()
    {
        QTest::addColumn<qint16>("selected");
        QTest::addColumn<qint16>("removed");
        QTest::addColumn<QString>("items");
        QTest::addColumn<qint16>("selectedAfter");

        QTest::newRow("first item, no selection") << qint16(-1) << qint16(0) << "B C D" << qint16(-1);
        QTest::newRow("last item") << qint16(-1) << qint16(3) << "A B C" << qint16(-1);
        QTest::newRow("the selected item") << qint16(2) << qint16(2) << "A B D" << qint16(-1);
        QTest::newRow("an item above the selection") << qint16(2) << qint16(0) << "B C D" << qint16(1);
        QTest::newRow("an item below the selection") << qint16(1) << qint16(3) << "A B C" << qint16(1);
    }

    void removeItem()
    {
        QFETCH(qint16, selected);
        QFETCH(qint16, removed);
        QFETCH(QString, items);
        QFETCH(qint16, selectedAfter);

        ItemList list;
        for (const char *item : {"A", "B", "C", "D"})
            list.AddItem(QString::fromLatin1(item));
        list.SetListIndex(selected);
        list.RemoveItem(removed);
        QCOMPARE(itemsOf(list), items);
        QCOMPARE(list.ListIndex(), selectedAfter);
    }

    void clearEmptiesTheListAndItsSelection()
    {
        ItemList list;
        list.AddItem(QStringLiteral("AB"));
        list.AddItem(QStringLiteral("CD"));
        list.SetListIndex(1);
        list.Clear();
        QCOMPARE(list.ListCount(), qint16(0));
        QCOMPARE(list.ListIndex(), qint16(-1));
    }

    void positionsOutsideTheListRaiseAnError()
    {
        ItemList list;
        list.AddItem(QStringLiteral("AB"));
        QVERIFY_THROWS_EXCEPTION(InvalidCallError, list.List(1));
        QVERIFY_THROWS_EXCEPTION(InvalidCallError, list.List(-1));
        QVERIFY_THROWS_EXCEPTION(InvalidCallError, list.RemoveItem(1));
        QVERIFY_THROWS_EXCEPTION(InvalidCallError, list.SetListIndex(1));
        QVERIFY_THROWS_EXCEPTION(InvalidCallError, list.SetListIndex(-2));
        QCOMPARE(itemsOf(list), QStringLiteral("AB"));
        list.SetListIndex(0);
        QCOMPARE(list.ListIndex(), qint16(0));
    }

    void theCountStopsAt32767Items()
    {
        ItemList list;
        for (int i = 0; i < 32767; ++i)
            list.AddItem(QStringLiteral("A"));
        QCOMPARE(list.ListCount(), qint16(32767));
        QVERIFY_THROWS_EXCEPTION(OverflowError, list.AddItem(QStringLiteral("B")));
        QCOMPARE(list.ListCount(), qint16(32767));
        QCOMPARE(list.List(32766), QStringLiteral("A"));
    }
};

QTEST_GUILESS_MAIN(TestItemList)
#include "tst_itemlist.moc"
