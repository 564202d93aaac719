// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The test driver on the Qt backend: real widgets on Qt's offscreen
// platform, input through the window (QTest's window-level events).
#include "support/Harness.h"

#include "framework/qt/Controls.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtResources.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QStyleHints>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <map>
#include <memory>

namespace test {

namespace {

QWidget* Widget(Window window)
{
    return static_cast<QWidget*>(window.handle);
}

QWidget* ControlOf(Window window, int id)
{
    auto* dialog = qobject_cast<DialogWindow*>(Widget(window));
    QWidget* control = dialog ? dialog->Control(id) : nullptr;
    REQUIRE_MESSAGE(control, "no control " << id);
    return control;
}

QSlider* SliderOf(Window window, int id)
{
    auto* slider = qobject_cast<QSlider*>(ControlOf(window, id));
    REQUIRE(slider);
    return slider;
}

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

// A click at a point of the control, delivered to its window.
void ClickAt(QWidget* control, QPoint at)
{
    // A click of its own, never the second of a double click: a click made
    // inside another's handler (during a tone) would otherwise carry the
    // first one's time stamp.
    QTest::lastMouseTimestamp += QGuiApplication::styleHints()->mouseDoubleClickInterval();
    QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {}, control->mapTo(control->window(), at));
    // A check that failed in a window the click opened ends the test here.
    RethrowFailure();
}

Qt::Key QtKey(Key key)
{
    switch (key) {
    case Key::Tab: return Qt::Key_Tab;
    case Key::Return: return Qt::Key_Return;
    case Key::Escape: return Qt::Key_Escape;
    case Key::Left: return Qt::Key_Left;
    case Key::Right: return Qt::Key_Right;
    case Key::Up: return Qt::Key_Up;
    case Key::Down: return Qt::Key_Down;
    case Key::PageUp: return Qt::Key_PageUp;
    case Key::Home: return Qt::Key_Home;
    case Key::End: return Qt::Key_End;
    case Key::Space: return Qt::Key_Space;
    case Key::Five: return Qt::Key_5;
    case Key::A: return Qt::Key_A;
    }
    return Qt::Key_unknown;
}

// Runs action on the window menu once Shift+F10 has opened it; the action
// closes it.
void WithWindowMenu(Window window, const std::function<void(QMenu&)>& action)
{
    auto* dialog = qobject_cast<DialogWindow*>(Widget(window));
    REQUIRE(dialog);
    bool opened = false;
    QTimer::singleShot(0, [&] {
        Guarded([&] {
            QMenu* menu = dialog->OpenWindowMenu();
            REQUIRE(menu);
            opened = true;
            action(*menu);
        });
        if (QMenu* menu = dialog->OpenWindowMenu())
            menu->close();
    });
    QWidget* focus = dialog->focusWidget();
    QTest::keyClick(focus ? focus : dialog, Qt::Key_F10, Qt::ShiftModifier);
    RethrowFailure();
    REQUIRE(opened);
}

} // namespace

Window WindowOf(const CDialog& dialog)
{
    return {dialog.BackendWindow()};
}

std::string Title(Window window)
{
    return Widget(window) ? Utf8(Widget(window)->windowTitle()) : std::string();
}

std::string Text(Window window, int id)
{
    return Utf8(TextOf(ControlOf(window, id)));
}

std::vector<std::string> Captions(Window window)
{
    std::vector<std::string> captions;
    for (auto* label : Widget(window)->findChildren<QLabel*>())
        if (!label->text().isEmpty())
            captions.push_back(Utf8(label->text()));
    for (auto* group : Widget(window)->findChildren<QGroupBox*>())
        captions.push_back(Utf8(group->title()));
    return captions;
}

std::vector<int> ControlIds(Window window)
{
    std::vector<int> ids;
    for (auto* control : Widget(window)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (ControlId(control) != -1)
            ids.push_back(ControlId(control));
    std::ranges::sort(ids);
    return ids;
}

std::vector<std::string> ListItems(Window window, int id)
{
    auto* combo = qobject_cast<QComboBox*>(ControlOf(window, id));
    REQUIRE(combo);
    std::vector<std::string> items;
    for (int i = 0; i < combo->count(); ++i)
        items.push_back(Utf8(combo->itemText(i)));
    return items;
}

bool Enabled(Window window, int id)
{
    return ControlOf(window, id)->isEnabled();
}

bool Checked(Window window, int id)
{
    auto* button = qobject_cast<QAbstractButton*>(ControlOf(window, id));
    return button && button->isChecked();
}

SliderState Slider(Window window, int id)
{
    QSlider* slider = SliderOf(window, id);
    return {slider->minimum(), slider->maximum(), slider->value()};
}

int Focused(Window window)
{
    QWidget* focus = Widget(window)->focusWidget();
    while (focus && focus->parentWidget() && focus->parentWidget() != Widget(window))
        focus = focus->parentWidget(); // the combo box, not its inner field
    return focus ? ControlId(focus) : -1;
}

std::string SelectedText(Window window)
{
    QWidget* focus = Widget(window)->focusWidget();
    auto* edit = qobject_cast<QLineEdit*>(focus);
    if (auto* combo = qobject_cast<QComboBox*>(focus))
        edit = combo->lineEdit();
    return edit ? Utf8(edit->selectedText()) : std::string();
}

bool Visible(Window window)
{
    return Widget(window) && Widget(window)->isVisible();
}

bool Minimized(Window window)
{
    return Widget(window)->isMinimized();
}

Window Owner(Window window)
{
    return {Widget(window)->parentWidget()};
}

std::string LabelOf(Window window, int id)
{
    const QWidget* field = ControlOf(window, id);
    for (const QLabel* label : Widget(window)->findChildren<QLabel*>())
        if (label->buddy() == field)
            return Utf8(label->text());
    return {};
}

Accessible AccessibleOf(Window window, int id)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(ControlOf(window, id));
    if (!accessible)
        return {};
    static const std::map<QAccessible::Role, std::string> roles{{QAccessible::Button, "push button"},
                                                                {QAccessible::CheckBox, "check box"},
                                                                {QAccessible::EditableText, "text"},
                                                                {QAccessible::Slider, "slider"}};
    const auto role = roles.find(accessible->role());
    return {Utf8(accessible->text(QAccessible::Name)), role == roles.end() ? std::string() : role->second};
}

bool ShowsPicture(Window window)
{
    const auto labels = Widget(window)->findChildren<QLabel*>();
    return std::ranges::any_of(labels, [](QLabel* label) { return !label->pixmap().isNull(); });
}

bool CarriesIcon(Window window)
{
    const QIcon icon = Widget(window)->windowIcon();
    return !icon.isNull() && std::ranges::all_of(std::array{16, 32, 48, 128}, [&](int size) {
        return icon.pixmap(size).deviceIndependentSize().width() == size;
    });
}

Rect ClientRect(Window window)
{
    const QRect r = Widget(window)->rect();
    return {r.x(), r.y(), r.width(), r.height()};
}

std::vector<Placed> Layout(Window window)
{
    std::vector<Placed> placed;
    for (QWidget* control : Widget(window)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect r = control->geometry();
        const bool field = qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control);
        const QString caption = field ? QString() : TextOf(control);
        const QFontMetrics metrics(control->font());
        placed.push_back({Utf8(control->objectName()), {r.x(), r.y(), r.width(), r.height()}, Utf8(caption),
                          metrics.horizontalAdvance(caption), metrics.height(),
                          qobject_cast<QGroupBox*>(control) != nullptr});
    }
    return placed;
}

void Click(Window window, int id)
{
    QWidget* control = ControlOf(window, id);
    ClickAt(control, control->rect().center());
}

void Type(Window window, int id, const std::string& text)
{
    QWidget* control = ControlOf(window, id);
    QLineEdit* edit = qobject_cast<QLineEdit*>(control);
    if (auto* combo = qobject_cast<QComboBox*>(control))
        edit = combo->lineEdit();
    REQUIRE(edit);
    control->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, QString::fromStdString(text));
}

void Focus(Window window, int id)
{
    ControlOf(window, id)->setFocus();
}

void Press(Window window, Key key)
{
    Stroke(window, key);
}

void Stroke(Window window, Key key, bool shift, bool control)
{
    const Qt::Key qtKey = shift && key == Key::Tab ? Qt::Key_Backtab : QtKey(key);
    Qt::KeyboardModifiers modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
    if (control)
        modifiers |= Qt::ControlModifier;
    QTest::keyClick(Widget(window)->windowHandle(), qtKey, modifiers);
    RethrowFailure();
}

void PickListItem(Window window, int id, int index)
{
    auto* combo = qobject_cast<QComboBox*>(ControlOf(window, id));
    REQUIRE(combo);
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    const QRect item = list->visualRect(list->model()->index(index, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
}

void CloseBox(Window window)
{
    Widget(window)->close();
}

bool Wheel(Window window, int id)
{
    QSlider* slider = SliderOf(window, id);
    QWheelEvent wheel(QPointF(10, 5), slider->mapToGlobal(QPointF(10, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider, &wheel);
    return true;
}

void ClickNearEnd(Window window, int id)
{
    QSlider* slider = SliderOf(window, id);
    ClickAt(slider, QPoint(slider->width() - 3, slider->height() / 2));
}

void Drag(Window window, int id, const std::function<void()>& held)
{
    QSlider* slider = SliderOf(window, id);
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.orientation = Qt::Horizontal;
    const QPoint thumb =
        slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
    const QPoint to = thumb + QPoint(slider->width() / 2, 0);
    QTest::mousePress(slider, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(slider, to);
    REQUIRE(slider->isSliderDown());
    held();
    QTest::mouseRelease(slider, Qt::LeftButton, {}, to);
}

std::vector<std::string> WindowMenu(Window window)
{
    std::vector<std::string> items;
    WithWindowMenu(window, [&](QMenu& menu) {
        for (QAction* action : menu.actions())
            items.push_back(action->isSeparator() ? "-" : Utf8(action->text().section('\t', 0, 0)));
    });
    return items;
}

void ChooseFromWindowMenu(Window window, const std::string& item)
{
    WithWindowMenu(window, [&](QMenu& menu) {
        const QList<QAction*> actions = menu.actions();
        const auto found = std::ranges::find_if(actions, [&](QAction* a) { return Utf8(a->text()) == item; });
        REQUIRE(found != actions.end());
        (*found)->trigger();
    });
}

void After(int ms, std::function<void()> action)
{
    QTimer::singleShot(ms, [action = std::move(action)] { Guarded(action); });
}

bool WaitUntil(const std::function<bool()>& condition, int ms)
{
    return QTest::qWaitFor(condition, ms);
}

bool UseLanguage(const std::string& language, bool asWritten)
{
    const QLocale locale(QString::fromStdString(language));
    InstallTranslations(locale);
    QGuiApplication::setLayoutDirection(asWritten ? locale.textDirection() : Qt::LeftToRight);
    return true;
}

void UseDesktopLanguage()
{
    InstallTranslations(QLocale::system());
}

std::optional<std::string> EditMenuFirstItem(Window window, int id)
{
    auto* edit = qobject_cast<QLineEdit*>(ControlOf(window, id));
    REQUIRE(edit);
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    return Utf8(menu->actions().first()->text().section('\t', 0, 0));
}

namespace driver {

std::shared_ptr<void> Start(int& argc, char** argv)
{
    return std::make_shared<QApplication>(argc, argv);
}

int RunModal(CDialog& dialog, const std::function<void()>& script)
{
    QTimer::singleShot(0, [&dialog, &script] {
        QWidget* window = dialog.BackendWindow();
        if (!window)
            return;
        if (!QTest::qWaitForWindowActive(window))
            Guarded([] { FAIL("the dialog's window did not become active"); });
        script();
    });
    return dialog.DoModal();
}

void Poll(std::function<bool()> poll)
{
    auto* timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, poll = std::move(poll)] {
        if (poll()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

Window ModalOver(Window below)
{
    QWidget* modal = QApplication::activePopupWidget();
    if (!modal)
        modal = QApplication::activeModalWidget();
    return {modal && modal != Widget(below) && modal->isVisible() ? modal : nullptr};
}

std::optional<SeenPrompt> AnswerPrompt()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return std::nullopt;
    SeenPrompt seen{Utf8(box->windowTitle()), Utf8(box->text()), box->icon() == QMessageBox::Warning,
                    box->standardButtons() == QMessageBox::Ok, box->isModal()};
    box->button(QMessageBox::Ok)->click();
    return seen;
}

bool AnyTopLevelWindow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return !QApplication::topLevelWidgets().isEmpty();
}

} // namespace driver

} // namespace test
