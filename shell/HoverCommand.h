// The game's picture button: a rounded, shaded button that lights up while the
// mouse is over it, shows its caption with the access letter underlined
// ("&Play": Alt+P clicks it), can be moved and disabled, and reports a click.
// Space, Enter and keypad Enter click it while it has the focus; a dialog's
// default button also answers Enter wherever else in the dialog it is pressed.
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

    // Makes this the default button of the window it lies in: an Enter that
    // no other control of that window takes clicks it. Call once the button
    // has been placed in its dialog.
    void setDefault(bool on);
    bool isDefault() const { return default_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user clicked the enabled button (mouse, Space, Enter, or its
    // access key).
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool lit_ = false;
    bool default_ = false;
};

} // namespace shell
