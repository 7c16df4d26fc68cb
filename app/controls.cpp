#include "app/controls.h"

#include <algorithm>

namespace {

// Sets a property and tells the change handler, only when the value changes.
template<typename T> void assign(T &field, const T &value, const std::function<void()> &changed)
{
    if (field == value)
        return;
    field = value;
    if (changed)
        changed();
}

} // namespace

template<typename T> void Control::assign(T &field, const T &value)
{
    ::assign(field, value, m_changed);
}

void Control::setLeft(double left)
{
    Rect g = m_geometry;
    g.left = left;
    assign(m_geometry, g);
}

void Control::setWidth(double width)
{
    Rect g = m_geometry;
    g.width = width;
    assign(m_geometry, g);
}

void Control::setHeight(double height)
{
    Rect g = m_geometry;
    g.height = height;
    assign(m_geometry, g);
}

void Control::setText(const QString &text) { assign(m_text, text); }
void Control::setBackground(Colour colour) { assign(m_background, std::optional(colour)); }
void Control::setForeground(Colour colour) { assign(m_foreground, std::optional(colour)); }
void Control::setFontName(const QString &name) { assign(m_fontName, std::optional(name)); }
void Control::setFontSize(double points) { assign(m_fontSize, std::optional(points)); }
void Control::setVisible(bool visible) { assign(m_visible, visible); }
void Control::setEnabled(bool enabled) { assign(m_enabled, enabled); }
void Control::setPicture(const Picture &picture) { assign(m_picture, picture); }

void Slider::setPosition(int position)
{
    assign(m_position, std::clamp(position, minimum, maximum));
}

void OptionButton::setChecked(bool checked)
{
    assign(m_checked, checked);
}

template<typename T> void Form::assign(T &field, const T &value)
{
    ::assign(field, value, m_changed);
}

void Form::setCaption(const QString &caption) { assign(m_caption, caption); }
void Form::setOuterWidth(double width) { assign(m_outerWidth, std::optional(width)); }
void Form::setOuterHeight(double height) { assign(m_outerHeight, std::optional(height)); }
void Form::setBackground(Colour colour) { assign(m_background, std::optional(colour)); }
void Form::hide() { assign(m_visible, false); }

void Form::show()
{
    if (m_visible) {
        if (m_raise)
            m_raise();
        return;
    }
    assign(m_visible, true);
}
