#include "BoardView.h"

#include "PictureSource.h"
#include "Twips.h"
#include "board/model/Design.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>

namespace ui {

namespace {

using game::ControlKind;

// The board keeps colours as 0x00BBGGRR; 0x800000nn names a system colour.
QColor ToQColor(game::Colour colour, const QPalette& palette) {
    if (colour & 0x80000000u) {
        if ((colour & 0xFF) == 0x18) {
            return palette.color(QPalette::ToolTipBase);
        }
        return palette.color(QPalette::Window);
    }
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// A picture that may be clicked: dice, the roll picture, lamps, arrows.
class PictureWidget : public QAbstractButton {
public:
    explicit PictureWidget(QWidget* parent) : QAbstractButton(parent) {
        setFocusPolicy(Qt::NoFocus);
    }
    void SetPicture(const std::string& key) {
        if (key != key_) {
            key_ = key;
            update();
        }
    }
    std::function<void()> onPress;
    std::function<void()> onRelease;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        DrawPicture(painter, rect(), key_);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (onPress) {
            onPress();
        }
        QAbstractButton::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QAbstractButton::mouseReleaseEvent(event);
        if (onRelease) {
            onRelease();
        }
    }

private:
    std::string key_;
};

// A cell button of the sheet: shows its picture (or its disabled picture)
// and reports mouse moves and the pointer leaving it, for the row highlight.
class CellButtonWidget : public QAbstractButton {
public:
    explicit CellButtonWidget(QWidget* parent) : QAbstractButton(parent) {
        setMouseTracking(true);
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::PointingHandCursor);
    }
    void SetPictures(const std::string& normal, const std::string& disabled) {
        if (normal != normal_ || disabled != disabled_) {
            normal_ = normal;
            disabled_ = disabled;
            update();
        }
    }
    std::function<void(QPointF)> onMove;
    std::function<void()> onLeave;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        DrawPicture(painter, rect(), isEnabled() ? normal_ : disabled_);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (onMove) {
            onMove(event->position());
        }
        QAbstractButton::mouseMoveEvent(event);
    }
    void leaveEvent(QEvent* event) override {
        if (onLeave) {
            onLeave();
        }
        QAbstractButton::leaveEvent(event);
    }

private:
    std::string normal_;
    std::string disabled_;
};

// A frame drawn around part of the board.
class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(QColor(120, 140, 170), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QColor TextColourFor(ControlKind kind) {
    switch (kind) {
    case ControlKind::Title:
        return QColor(232, 206, 150);
    case ControlKind::Total:
        return QColor(250, 226, 160);
    case ControlKind::GrandTotal:
        return QColor(255, 236, 170);
    case ControlKind::Tip:
        return QColor(150, 220, 150);
    default:
        return QColor(240, 240, 240);
    }
}

QFont FontFor(ControlKind kind, int rowPixels) {
    QFont font;
    const int size = std::max(8, static_cast<int>(std::lround(rowPixels * 0.6)));
    font.setPixelSize(size);
    switch (kind) {
    case ControlKind::GrandTotal:
        // The game's result: as large as its low row allows.
        font.setPixelSize(std::max(8, static_cast<int>(std::lround(rowPixels * 0.9))));
        font.setBold(true);
        break;
    case ControlKind::Total:
    case ControlKind::Title:
        font.setBold(true);
        break;
    case ControlKind::Tip:
        font.setPixelSize(std::max(7, size - 2));
        break;
    default:
        break;
    }
    return font;
}

// A row title ("Sub Total ", "(Max-Min)xOnes"): drawn in a smaller font
// when its text is too long for its frame, rather than losing its last
// letters. The text is measured when it is painted, where the font is needed
// anyway, so that measuring never holds up the window's first appearance.
class TitleLabel : public QLabel {
public:
    explicit TitleLabel(QWidget* parent) : QLabel(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect room = contentsRect().adjusted(indent(), 0, -indent() - 2, 0);
        QFont font = this->font();
        const int advance = QFontMetrics(font).horizontalAdvance(text());
        if (advance > room.width() && room.width() > 0 && font.pixelSize() > 8) {
            // Text width grows with the font size: start from the
            // proportional size, then step down while rounding leaves it wide.
            int size = std::max(8, font.pixelSize() * room.width() / advance);
            font.setPixelSize(size);
            while (size > 8 && QFontMetrics(font).horizontalAdvance(text()) > room.width()) {
                font.setPixelSize(--size);
            }
        }
        painter.setFont(font);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(room, static_cast<int>(alignment()), text());
    }
};

// A push button of the board ("Next Player", the board viewer). Its caption
// keeps its blanks, which can make it too wide for the button at the
// window's font: it is then drawn in a smaller font rather than losing its
// last letters. The font is fitted once the button shows, and again when its
// caption or size changes.
class CaptionButton : public QPushButton {
public:
    explicit CaptionButton(QWidget* parent) : QPushButton(parent) { setFocusPolicy(Qt::NoFocus); }

    void SetCaption(const QString& caption) {
        if (text() != caption) {
            setText(caption);
            if (isVisible()) {
                FitFont();
            }
        }
    }

protected:
    void showEvent(QShowEvent* event) override {
        FitFont();
        QPushButton::showEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override {
        QPushButton::resizeEvent(event);
        if (isVisible()) {
            FitFont();
        }
    }

private:
    void FitFont() {
        QStyleOptionButton option;
        initStyleOption(&option);
        const int room =
            style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width();
        // Start from the font a button takes by itself, then step down while
        // the caption is too wide.
        QFont font = QApplication::font(this);
        int size = QFontInfo(font).pixelSize();
        font.setPixelSize(size);
        while (size > 7 && QFontMetrics(font).horizontalAdvance(text()) > room) {
            font.setPixelSize(--size);
        }
        if (this->font() != font) {
            setFont(font);
        }
    }
};

} // namespace

BoardView::BoardView(game::Board& board, QWidget* parent)
    : QWidget(parent), board_(board), scale_(LogicalDpi() / 1440.0) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(24, 30, 42));
    setPalette(pal);
    for (const game::NamedControl& named : game::ListControls(board_)) {
        if (named.kind == ControlKind::Holder) {
            continue;
        }
        QWidget* widget = CreateWidget(named);
        widget->setObjectName(QString::fromStdString(named.name));
        entries_.push_back({named, widget});
    }
    lines_ = game::ListLines(board_);
    Sync();
}

QRect BoardView::ToPixels(int left, int top, int width, int height) const {
    const int x0 = static_cast<int>(std::lround(left * scale_));
    // The model's Tops count from the toolbar's top; this view starts below it.
    top -= game::DesignToolbarTwips;
    const int y0 = static_cast<int>(std::lround(top * scale_));
    const int x1 = static_cast<int>(std::lround((left + width) * scale_));
    const int y1 = static_cast<int>(std::lround((top + height) * scale_));
    return QRect(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
}

QWidget* BoardView::WidgetFor(const std::string& name) const {
    for (const Entry& entry : entries_) {
        if (entry.named.name == name) {
            return entry.widget;
        }
    }
    return nullptr;
}

QWidget* BoardView::CreateWidget(const game::NamedControl& named) {
    const int column = named.column;
    const int index = named.index;
    switch (named.kind) {
    case ControlKind::Shape:
        return new ShapeWidget(this);
    case ControlKind::SheetPicture:
    case ControlKind::Image:
    case ControlKind::Lamp: {
        auto* picture = new PictureWidget(this);
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        return picture;
    }
    case ControlKind::Die:
    case ControlKind::HeldDie: {
        auto* die = new PictureWidget(this);
        die->setCursor(Qt::PointingHandCursor);
        const bool held = named.kind == ControlKind::HeldDie;
        connect(die, &QAbstractButton::clicked, this, [this, held, index] {
            if (held) {
                emit HeldDieClicked(index);
            } else {
                emit DieClicked(index);
            }
        });
        return die;
    }
    case ControlKind::RollPicture: {
        auto* roll = new PictureWidget(this);
        roll->setCursor(Qt::PointingHandCursor);
        roll->onPress = [this] { emit RollPressed(); };
        roll->onRelease = [this] { emit RollReleased(); };
        return roll;
    }
    case ControlKind::CellButton: {
        auto* button = new CellButtonWidget(this);
        connect(button, &QAbstractButton::clicked, this,
                [this, column, index] { emit CellClicked(column, index); });
        button->onMove = [this, button, column, index](QPointF pos) {
            CellMoved(button, column, index, pos);
        };
        button->onLeave = [this, column, index] { CellLeft(column, index); };
        return button;
    }
    case ControlKind::PushButton: {
        auto* button = new CaptionButton(this);
        const bool next = named.name == "cmdNextPlayer";
        connect(button, &QPushButton::clicked, this, [this, next] {
            if (next) {
                emit NextPlayerClicked();
            } else {
                emit ShowNextBoardClicked();
            }
        });
        return button;
    }
    default: {
        auto* label = named.kind == ControlKind::Title ? new TitleLabel(this) : new QLabel(this);
        label->setMargin(0);
        label->setIndent(
            named.kind == ControlKind::RowName || named.kind == ControlKind::Title ? 4 : 0);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, TextColourFor(named.kind));
        label->setPalette(pal);
        label->setAlignment(named.kind == ControlKind::RowName || named.kind == ControlKind::Title
                                ? Qt::AlignVCenter | Qt::AlignLeft
                                : Qt::AlignCenter);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setAutoFillBackground(named.kind == ControlKind::RowName);
        return label;
    }
    }
}

void BoardView::SyncEntry(const Entry& entry) {
    const game::Control& c = *entry.named.control;
    QWidget* w = entry.widget;
    const QRect geometry = ToPixels(c.Left, c.Top, c.Width, c.Height);
    if (w->geometry() != geometry) {
        w->setGeometry(geometry);
    }
    if (w->isEnabled() != c.Enabled) {
        w->setEnabled(c.Enabled);
    }
    switch (entry.named.kind) {
    case ControlKind::SheetPicture:
    case ControlKind::Image:
    case ControlKind::Lamp:
    case ControlKind::Die:
    case ControlKind::HeldDie:
    case ControlKind::RollPicture:
        static_cast<PictureWidget*>(w)->SetPicture(c.Picture);
        break;
    case ControlKind::CellButton:
        static_cast<CellButtonWidget*>(w)->SetPictures(c.Picture, c.DisabledPicture);
        break;
    case ControlKind::PushButton:
        static_cast<CaptionButton*>(w)->SetCaption(QString::fromStdString(c.Caption));
        break;
    case ControlKind::Shape:
        break;
    default: {
        auto* label = static_cast<QLabel*>(w);
        const QString text = QString::fromStdString(c.Caption);
        if (label->text() != text) {
            label->setText(text);
        }
        const QFont font = FontFor(entry.named.kind, geometry.height());
        if (label->font() != font) {
            label->setFont(font);
        }
        if (entry.named.kind == ControlKind::RowName) {
            QPalette pal = label->palette();
            pal.setColor(QPalette::Window, ToQColor(c.BackColor, palette()));
            pal.setColor(QPalette::WindowText, ToQColor(c.ForeColor, palette()));
            if (pal != label->palette()) {
                label->setPalette(pal);
            }
        }
        break;
    }
    }
    if (w->isHidden() == c.Visible) {
        w->setVisible(c.Visible);
    }
}

QWidget* BoardView::CellWidget(int column, int row) const {
    static const char* const names[] = {"", "cmdDown", "cmdUp", "cmdRand", "cmdOblg"};
    if (column <= game::colNone || column > game::colOblg) {
        return nullptr;
    }
    return WidgetFor(std::string(names[column]) + "(" + std::to_string(row) + ")");
}

// The row highlight's capture without a pointer grab: while the model says
// that a cell button holds the capture, a move over any cell goes to that
// button, measured from its own corner, so that the first move onto a
// neighbour ends the highlight as the model expects. Nothing grabs the
// pointer itself, so no window that opens can lose its clicks to the board.
void BoardView::CellMoved(QWidget* button, int column, int row, QPointF pos) {
    const int holderColumn = board_.CaptureColumn;
    const int holderRow = board_.CaptureRow;
    if (holderColumn != game::colNone && (holderColumn != column || holderRow != row)) {
        if (QWidget* holder = CellWidget(holderColumn, holderRow)) {
            pos += QPointF(button->pos() - holder->pos());
            column = holderColumn;
            row = holderRow;
        }
    }
    emit CellMouseMoved(column, row, static_cast<float>(pos.x() / scale_),
                        static_cast<float>(pos.y() / scale_));
}

// The pointer has left a cell button (or the button was hidden under it):
// for the button holding the capture that is a move outside it. It is
// handled once the running handler, if any, has ended, and not when the
// pointer has come back onto the button by then.
void BoardView::CellLeft(int column, int row) {
    QMetaObject::invokeMethod(
        this,
        [this, column, row] {
            QWidget* button = CellWidget(column, row);
            if (board_.CaptureColumn != column || board_.CaptureRow != row || button == nullptr ||
                (button->isVisible() && button->underMouse())) {
                return;
            }
            emit CellMouseMoved(column, row, -1.0f, -1.0f);
        },
        Qt::QueuedConnection);
}

void BoardView::Sync() {
    for (const Entry& entry : entries_) {
        SyncEntry(entry);
    }
    // The view paints only the column titles and the rules itself; it is
    // repainted when they change, not on every clock tick.
    std::vector<int> painted = PaintedState();
    if (painted != painted_) {
        painted_ = std::move(painted);
        update();
    }
}

std::vector<int> BoardView::PaintedState() const {
    std::vector<int> state;
    for (const game::Control* c : {&board_.lblDown[0], &board_.lblUp[0], &board_.lblRand[0],
                                   &board_.lblOblg[0], &board_.cmdRand[0]}) {
        state.insert(state.end(), {c->Visible ? 1 : 0, c->Left, c->Top, c->Width});
    }
    for (const game::NamedLine& named : lines_) {
        const game::Line& line = *named.line;
        state.insert(state.end(), {line.Visible ? 1 : 0, line.X1, line.Y1, line.X2, line.Y2});
    }
    return state;
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A faint box behind every shown cell and total, so that the empty
    // places of the sheet read as a grid.
    painter.setPen(QPen(QColor(62, 74, 96), 1));
    painter.setBrush(QColor(30, 38, 54));
    for (const Entry& entry : entries_) {
        const game::ControlKind kind = entry.named.kind;
        if ((kind == ControlKind::Cell || kind == ControlKind::Total ||
             kind == ControlKind::GrandTotal) &&
            entry.named.control->Visible) {
            painter.drawRect(entry.widget->geometry().adjusted(1, 1, -2, -2));
        }
    }
    painter.setBrush(Qt::NoBrush);
    // Column titles in the strip above the sheet, over each shown column.
    struct Title {
        const game::RowLabels* cells;
        const char* text;
    };
    const bool oneColumn = !board_.lblDown[0].Visible;
    const Title titles[] = {{&board_.lblDown, "Down"},
                            {&board_.lblUp, "Up"},
                            {&board_.lblRand, oneColumn ? "Score" : "Free"},
                            {&board_.lblOblg, "Call"}};
    QFont titleFont = font();
    titleFont.setPixelSize(std::max(8, TwipsToPixels(150)));
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.setPen(QColor(232, 206, 150));
    for (const Title& title : titles) {
        const game::Control& top = (*title.cells)[0];
        if (!top.Visible && !board_.cmdRand[0].Visible) {
            continue;
        }
        if (title.cells != &board_.lblRand && !top.Visible) {
            continue;
        }
        painter.drawText(ToPixels(top.Left, top.Top - 280, top.Width, 260), Qt::AlignCenter,
                         title.text);
    }
    painter.setPen(QPen(QColor(120, 140, 170), 1));
    for (const game::NamedLine& named : lines_) {
        const game::Line& line = *named.line;
        if (!line.Visible) {
            continue;
        }
        const double origin = game::DesignToolbarTwips;
        painter.drawLine(QPointF(line.X1 * scale_, (line.Y1 - origin) * scale_),
                         QPointF(line.X2 * scale_, (line.Y2 - origin) * scale_));
    }
}

} // namespace ui
