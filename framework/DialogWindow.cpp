#include "framework/DialogWindow.h"

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/DialogUnits.h"
#include "framework/Resources.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStyle>

#include <cmath>
#include <vector>

namespace {

// Height of a combo box's field, in dialog units; the template's height for a
// combo box is the height with its list dropped down.
constexpr int kComboFieldDlu = 14;

BaseUnits FontBaseUnits(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return {metrics.horizontalAdvance(letters) / letters.size(), metrics.height()};
}

// Pixels a control's caption needs, with the frame, indicator and padding
// its style draws around the text.
int CaptionPixels(const QWidget* control)
{
    const QString text = fw::TextOf(control);
    if (text.isEmpty() || control->isWindow())
        return 0;
    const QFontMetrics metrics(control->font());
    const int textWidth = metrics.horizontalAdvance(text);
    const QStyle* style = control->style();
    if (qobject_cast<const QCheckBox*>(control))
        return textWidth + style->pixelMetric(QStyle::PM_IndicatorWidth) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 4;
    if (qobject_cast<const QPushButton*>(control))
        return textWidth + 2 * style->pixelMetric(QStyle::PM_ButtonMargin) + 4;
    if (qobject_cast<const QGroupBox*>(control))
        return textWidth + 2 * metrics.averageCharWidth() + 8;
    if (qobject_cast<const QLabel*>(control))
        return textWidth + 2;
    return 0;
}

ScrollCode ScrollCodeOf(int sliderAction)
{
    switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepAdd: return TB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return TB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return TB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return TB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return TB_TOP;
    case QAbstractSlider::SliderToMaximum: return TB_BOTTOM;
    default: return TB_THUMBTRACK;
    }
}

bool IsEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

DialogWindow::DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner)
    : QDialog(owner), m_dialog(dialog)
{
    dialogTemplate.build(*this);

    Qt::WindowFlags flags = (dialogTemplate.appWindow ? Qt::Window : Qt::Dialog) |
                            Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialogTemplate.minimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);
    setModal(true);

    LayOut();
    ShowPictures();
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        ConnectControl(control);
}

void DialogWindow::LayOut()
{
    // The template's geometry is in dialog units; uic has put it in place as if
    // it were pixels. Convert every rectangle with the base units of the
    // window's font, widened until every caption fits.
    const QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::vector<CaptionFit> captions;
    for (const QWidget* control : controls)
        captions.push_back({control->width(), CaptionPixels(control)});
    const BaseUnits base = FitCaptions(FontBaseUnits(font()), captions);

    for (QWidget* control : controls) {
        const QRect dlu = control->geometry();
        const Rect px = DluToPixels({dlu.x(), dlu.y(), dlu.width(), dlu.height()}, base);
        QRect pixels(px.x, px.y, px.width, px.height);
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
            const int field = std::max(DluToPixelsY(kComboFieldDlu, base), combo->sizeHint().height());
            const int rowHeight = QFontMetrics(combo->font()).height() + 4;
            combo->setMaxVisibleItems(std::max(1, (pixels.height() - field) / rowHeight));
            pixels.setHeight(field);
        }
        control->setGeometry(pixels);
        // A group box is a frame drawn behind the controls it surrounds; it must
        // not take their clicks.
        if (qobject_cast<QGroupBox*>(control)) {
            control->lower();
            control->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
    }
    const Rect client = DluToPixels({0, 0, width(), height()}, base);
    setFixedSize(client.width, client.height);
}

void DialogWindow::ShowPictures()
{
    // A static picture names its icon by identifier; it is drawn as large as
    // the control allows, from the icon's nearest size.
    for (auto* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QVariant iconId = label->property(fw::kIconIdProperty);
        if (!iconId.isValid())
            continue;
        const QIcon icon = LoadIcon(iconId.toInt());
        const int side = std::min(label->width(), label->height());
        label->setPixmap(icon.pixmap(QSize(side, side), devicePixelRatio()));
        label->setAlignment(Qt::AlignCenter);
    }
}

void DialogWindow::ConnectControl(QWidget* control)
{
    const int id = fw::ControlId(control);
    control->installEventFilter(this);
    for (QWidget* inner : control->findChildren<QWidget*>())
        inner->installEventFilter(this);

    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            // Enter is the dialog's to handle (see HandleDialogKey).
            push->setAutoDefault(false);
            push->setDefault(false);
        }
        connect(button, &QAbstractButton::clicked, this, [this, id] {
            m_dialog.SendMessage({.event = Event::Command, .code = BN_CLICKED, .id = id});
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        // The list is the template's: typing never adds to it, and typing is
        // never completed from it.
        combo->setInsertPolicy(QComboBox::NoInsert);
        if (combo->isEditable())
            combo->setCompleter(nullptr);
        connect(combo, &QComboBox::activated, this, [this, id] {
            m_dialog.SendMessage({.event = Event::Command, .code = CBN_SELCHANGE, .id = id});
        });
    } else if (auto* slider = qobject_cast<QSlider*>(control)) {
        fw::SetSliderRange(slider, fw::kSliderDefaultMin, fw::kSliderDefaultMax);
        // Only the user's own moves are scrolls; positions set by the program
        // come through valueChanged, which is not listened to.
        connect(slider, &QAbstractSlider::actionTriggered, this, [this, slider, id](int action) {
            m_dialog.SendMessage({.event = Event::HScroll, .code = ScrollCodeOf(action), .id = id,
                                  .position = slider->sliderPosition()});
        });
        connect(slider, &QAbstractSlider::sliderReleased, this, [this, slider, id] {
            m_dialog.SendMessage({.event = Event::HScroll, .code = TB_ENDTRACK, .id = id,
                                  .position = slider->sliderPosition()});
        });
    }
}

QWidget* DialogWindow::Control(int controlId) const
{
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (fw::ControlId(control) == controlId)
            return control;
    }
    return nullptr;
}

void DialogWindow::FocusFirstTabStop()
{
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (w->window() == this && w->isEnabled() && !w->isHidden() && !w->focusProxy() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool DialogWindow::HandleDialogKey(QWidget* focus, QKeyEvent* key)
{
    if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    if (IsEnterKey(key->key())) {
        // A focused push button is pressed; anywhere else Enter means OK.
        if (auto* button = qobject_cast<QPushButton*>(focus)) {
            button->click();
            return true;
        }
        m_dialog.SendMessage({.event = Event::Command, .code = BN_CLICKED, .id = IDOK});
        return true;
    }
    if (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
        QWidget* at = focus ? focus : this;
        ShowWindowMenu(at->mapToGlobal(at->rect().center()));
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        m_dialog.SendMessage({.event = Event::Command, .code = BN_CLICKED, .id = IDCANCEL});
        return true;
    }
    return false;
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    // Keys in an open drop-down list belong to the list, which is a window of its own.
    if (event->type() == QEvent::KeyPress && widget && widget->window() == this) {
        QWidget* focus = widget->focusProxy() ? widget->focusProxy() : widget;
        while (focus->parentWidget() && focus->parentWidget() != this)
            focus = focus->parentWidget(); // the combo box, not its inner field
        if (HandleDialogKey(focus, static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    if (!HandleDialogKey(nullptr, event))
        QDialog::keyPressEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The close box is the window command Close; the dialog decides.
    event->ignore();
    m_dialog.SendMessage({.event = Event::SysCommand, .param = SC_CLOSE});
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // Reaches the dialog from its background and from controls that have no
    // menu of their own; edit fields keep theirs.
    ShowWindowMenu(event->globalPos());
}

void DialogWindow::ShowWindowMenu(const QPoint& globalPos)
{
    const CMenu* items = m_dialog.GetSystemMenu();
    if (!items || m_openMenu)
        return;
    QMenu menu(this);
    menu.setAccessibleName(QStringLiteral("Window menu"));
    for (const CMenu::Item& item : items->Items()) {
        if (item.IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        const unsigned command = item.command;
        menu.addAction(QString::fromStdString(item.text), this, [this, command] {
            m_dialog.SendMessage({.event = Event::SysCommand, .param = command});
        });
    }
    m_openMenu = &menu;
    menu.exec(globalPos);
    m_openMenu = nullptr;
}

void DialogWindow::reject()
{
    m_dialog.SendMessage({.event = Event::Command, .code = BN_CLICKED, .id = IDCANCEL});
}
