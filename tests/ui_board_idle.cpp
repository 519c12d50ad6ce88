// The board window at rest: a tick of the clock changes the clock panel and
// repaints nothing else, so an idle board costs next to nothing.
#include "BoardWindow.h"

#include <QEvent>
#include <map>

namespace {

using testing_support::BoardWindowTest;

// Counts the paint events each watched widget receives.
class PaintCounter : public QObject {
public:
    void Watch(QWidget* widget) {
        widget->installEventFilter(this);
        counts[widget] = 0;
    }
    std::map<QObject*, int> counts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++counts[watched];
        }
        return QObject::eventFilter(watched, event);
    }
};

class BoardIdle : public BoardWindowTest {};

TEST_F(BoardIdle, AClockTickRepaintsTheClockPanelAlone) {
    Open(4, 4, 1);
    QTest::qWait(100); // the first paint is done
    PaintCounter counter;
    counter.Watch(window->View());
    for (QToolButton* button : window->Toolbar()->findChildren<QToolButton*>()) {
        counter.Watch(button);
    }
    for (const char* name : {"picRollDices", "picDice(0)", "lblOption(0)", "cmdRand(0)"}) {
        counter.Watch(W(name));
    }
    counter.Watch(window->Panel(5));
    ASSERT_TRUE(QTest::qWaitFor([&] { return PanelText(5) == "00:00:01"; }, 3000));
    QTest::qWait(50);
    EXPECT_GE(counter.counts[window->Panel(5)], 1);
    for (const auto& [widget, paints] : counter.counts) {
        if (widget != window->Panel(5)) {
            EXPECT_EQ(paints, 0) << widget->objectName().toStdString();
        }
    }
}

} // namespace
