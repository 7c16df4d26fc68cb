#include "ui/binding.h"

#include "ui/picturebox.h"
#include "ui/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <utility>

namespace Binding {

QColor toQColor(Colour colour)
{
    const Colours::Components c = Colours::split(colour);
    return QColor(c.red, c.green, c.blue);
}

namespace {

struct Roles
{
    QPalette::ColorRole background;
    QPalette::ColorRole foreground;
};

Roles rolesOf(const QWidget *widget)
{
    if (qobject_cast<const QPushButton *>(widget))
        return {QPalette::Button, QPalette::ButtonText};
    if (qobject_cast<const QAbstractScrollArea *>(widget) || qobject_cast<const QLineEdit *>(widget))
        return {QPalette::Base, QPalette::Text};
    return {QPalette::Window, QPalette::WindowText};
}

void showText(QWidget *widget, const QString &text)
{
    if (qobject_cast<PictureBox *>(widget))
        return;
    if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        button->setText(text);
    else if (auto *lineEdit = qobject_cast<QLineEdit *>(widget))
        lineEdit->setText(text);
    else if (auto *textEdit = qobject_cast<QPlainTextEdit *>(widget)) {
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (textEdit->toPlainText() != shown)
            textEdit->setPlainText(shown);
    }
}

void showPicture(QWidget *widget, const Picture &picture)
{
    auto *box = qobject_cast<PictureBox *>(widget);
    if (!box)
        return;
    QPixmap pixmap;
    if (!picture.isEmpty())
        pixmap.loadFromData(picture.encoded);
    box->setPixmap(pixmap);
}

void showFont(QWidget *widget, const Control &control)
{
    QFont font = widget->parentWidget() ? widget->parentWidget()->font() : widget->font();
    if (control.fontName())
        font.setFamily(*control.fontName());
    if (control.fontSize())
        font.setPointSizeF(*control.fontSize());
    if (control.fontName() || control.fontSize())
        widget->setFont(font);
}

void showControl(QWidget *widget, const Control &control, int dpi)
{
    widget->setGeometry(Twips::toPixels(control.geometry(), dpi));
    const Roles roles = rolesOf(widget);
    QPalette palette = widget->palette();
    if (control.background()) {
        palette.setColor(roles.background, toQColor(*control.background()));
        widget->setAutoFillBackground(roles.background == QPalette::Window);
    }
    if (control.foreground())
        palette.setColor(roles.foreground, toQColor(*control.foreground()));
    widget->setPalette(palette);
    showFont(widget, control);
    showText(widget, control.text());
    showPicture(widget, control.picture());
    widget->setEnabled(control.isEnabled());
    widget->setVisible(control.isVisible());
}

} // namespace

void bindControl(QWidget *widget, Control &control, int logicalDpi, std::function<void()> showMore)
{
    QPointer<QWidget> guarded(widget);
    auto show = [guarded, &control, logicalDpi, showMore = std::move(showMore)] {
        if (!guarded)
            return;
        showControl(guarded, control, logicalDpi);
        if (showMore)
            showMore();
    };
    show();
    control.setChangeHandler(show);
    QObject::connect(widget, &QObject::destroyed, widget, [&control] { control.setChangeHandler({}); });
}

} // namespace Binding

FormBinding::FormBinding(QWidget *window, QWidget *client, QWidget *menuBar, Form &form, int logicalDpi)
    : QObject(window), m_window(window), m_client(client), m_menuBar(menuBar), m_form(form), m_dpi(logicalDpi)
{
    m_client->setAutoFillBackground(true);
    m_window->installEventFilter(this);
    m_form.setChangeHandler([this] { showForm(); });
    m_form.setRaiseHandler([this] {
        m_window->raise();
        m_window->activateWindow();
    });
    showForm();
}

FormBinding::~FormBinding()
{
    m_form.setChangeHandler({});
    m_form.setRaiseHandler({});
}

void FormBinding::showForm()
{
    m_window->setWindowTitle(m_form.caption());
    if (m_form.background()) {
        QPalette palette = m_client->palette();
        palette.setColor(QPalette::Window, Binding::toQColor(*m_form.background()));
        m_client->setPalette(palette);
    }
    applySize();
    if (m_form.isVisible() != m_window->isVisible())
        m_window->setVisible(m_form.isVisible());
}

void FormBinding::applySize()
{
    const int frameWidth = m_window->frameGeometry().width() - m_window->width();
    const int frameHeight = m_window->frameGeometry().height() - m_window->height();
    const int aboveClient = m_menuBar ? m_menuBar->sizeHint().height() : 0;
    const int width = m_form.outerWidth() ? Twips::toPixels(*m_form.outerWidth(), m_dpi) - frameWidth
                                          : Twips::toPixels(m_form.clientWidth(), m_dpi);
    const int height = m_form.outerHeight() ? Twips::toPixels(*m_form.outerHeight(), m_dpi) - frameHeight
                                            : Twips::toPixels(m_form.clientHeight(), m_dpi) + aboveClient;
    if (m_window->size() != QSize(width, height))
        m_window->setFixedSize(width, height);
}

void FormBinding::centre()
{
    const QScreen *screen = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    QRect frame = m_window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    m_window->move(frame.topLeft());
}

bool FormBinding::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Show:
            applySize();
            if (std::exchange(m_centre, false))
                centre();
            break;
        case QEvent::Move:
            applySize();
            break;
        case QEvent::Hide:
            // The learner closed the window with its close box.
            if (m_form.isVisible() && !m_window->isVisible())
                m_form.hide();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
