// The game's picture button: a rounded, shaded button that lights up while the
// mouse is over it, shows its caption with the access letter underlined
// ("&Play": Alt+P clicks it), can be moved and disabled, and reports a click.
#pragma once

#include <QAbstractButton>

namespace shell {

class HoverCommand : public QAbstractButton {
    Q_OBJECT

public:
    explicit HoverCommand(const QString& caption = QString(), QWidget* parent = nullptr);

    // Vertical position in twips, as the dialogs lay out their buttons.
    void setTop(double twips);
    double Top() const;

    // True while the mouse is over the button.
    bool isLit() const { return lit_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user clicked the enabled button (mouse, Space, or its access key).
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool lit_ = false;
};

} // namespace shell
