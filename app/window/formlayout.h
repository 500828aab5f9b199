#pragma once
// The form's look and its places at any size from its design size up: extra width goes to
// the sound's side (the close view above the Time Frame, and the slider in it) and to the
// list, extra height to the close view and the list. Every control keeps its frame and its
// order.

#include <QObject>
#include <QRect>
#include <QSize>

#include <utility>
#include <vector>

class CloseView;
class QMainWindow;
class QWidget;
namespace Ui {
class frmWriteWave;
}

class FormLayout : public QObject {
    Q_OBJECT

public:
    // The client area the form was laid out for, and the window's least.
    static constexpr QSize DesignClientSize{808, 423};

    // Gives `window`'s form its fonts and frame style, puts `closeView` under the top
    // frames, and from then on places the controls whenever the client area changes size.
    FormLayout(QMainWindow &window, Ui::frmWriteWave &ui, CloseView &closeView);

    // The Goto lists' hours, minutes and seconds, "00" shown.
    static void FillGotoLists(Ui::frmWriteWave &ui);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The form's fonts and frame style.
    void ApplyFormLook();
    // Notes where each control that follows the window's size sits at the design size.
    void KeepDesignPlaces();
    void PlaceControls(const QSize &client);

    QMainWindow &window_;
    Ui::frmWriteWave &ui_;
    // Held apart from `ui_`: the window deletes the form's description before the client
    // area, which still sends events while it is taken down.
    QWidget &client_;
    CloseView &closeView_;
    std::vector<std::pair<QWidget *, QRect>> designPlaces_;
};
