// The board's drawing surface: one child widget per control of the board
// model, placed in twips at the screen's DPI and brought up to date from the
// model after every handler. Clicks and mouse moves come back as signals in
// the model's terms (column, row, die, twips).
#pragma once

#include "game/Board.h"
#include "game/ControlList.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace ui {

class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(game::Board& board, QWidget* parent = nullptr);

    // Brings every widget up to date with the model.
    void Sync();

    // The widget that shows a control, by its model name ("cmdDown(3)").
    QWidget* WidgetFor(const std::string& name) const;

    // Pixels per twip at the screen's DPI.
    double Scale() const { return scale_; }
    QRect ToPixels(int left, int top, int width, int height) const;

signals:
    void CellClicked(int column, int row);
    void CellMouseMoved(int column, int row, float xTwips, float yTwips);
    void DieClicked(int die);
    void HeldDieClicked(int die);
    void RollPressed();
    void RollReleased();
    void NextPlayerClicked();
    void ShowNextBoardClicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Entry {
        game::NamedControl named;
        QWidget* widget;
    };

    QWidget* CreateWidget(const game::NamedControl& named);
    QWidget* CellWidget(int column, int row) const;
    void CellMoved(QWidget* button, int column, int row, QPointF pos);
    void CellLeft(int column, int row);
    void SyncEntry(const Entry& entry);
    // What paintEvent draws from the model, to tell when to repaint.
    std::vector<int> PaintedState() const;

    game::Board& board_;
    double scale_;
    std::vector<Entry> entries_;
    std::vector<game::NamedLine> lines_;
    std::vector<int> painted_;
};

} // namespace ui
