#pragma once

#include "app/colour.h"
#include "app/stringlist.h"
#include "content/picture.h"

#include <QString>

#include <functional>
#include <optional>

// Position and size of a control in twips (1/1440 inch), from the top left
// of its window's client area.
struct Rect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    friend bool operator==(const Rect &, const Rect &) = default;
};

// The state of one control of a window: what a view shows and what the
// handlers read and set. A colour or font left unset is the toolkit's
// default, or the window's font. Every change is told to the change handler.
class Control
{
public:
    Control() = default;
    explicit Control(Rect geometry) : m_geometry(geometry) {}

    const Rect &geometry() const { return m_geometry; }
    void setLeft(double left);
    void setWidth(double width);
    void setHeight(double height);

    const QString &text() const { return m_text; }
    void setText(const QString &text);

    std::optional<Colour> background() const { return m_background; }
    void setBackground(Colour colour);
    std::optional<Colour> foreground() const { return m_foreground; }
    void setForeground(Colour colour);

    std::optional<QString> fontName() const { return m_fontName; }
    void setFontName(const QString &name);
    std::optional<double> fontSize() const { return m_fontSize; }
    void setFontSize(double points);

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    const Picture &picture() const { return m_picture; }
    void setPicture(const Picture &picture);

    void setChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }

protected:
    template<typename T> void assign(T &field, const T &value);

private:
    Rect m_geometry;
    QString m_text;
    std::optional<Colour> m_background;
    std::optional<Colour> m_foreground;
    std::optional<QString> m_fontName;
    std::optional<double> m_fontSize;
    bool m_visible = true;
    bool m_enabled = true;
    Picture m_picture;
    std::function<void()> m_changed;
};

// A list control: its look and its items.
class ListBox : public Control, public StringList
{
public:
    explicit ListBox(Rect geometry) : Control(geometry) {}
    ListBox(Rect geometry, QCollator collation) : Control(geometry), StringList(std::move(collation)) {}
};

// A horizontal slider; its position is set by code without running any
// handler.
class Slider : public Control
{
public:
    explicit Slider(Rect geometry) : Control(geometry) {}

    int position() const { return m_position; }
    void setPosition(int position);

    static constexpr int minimum = 0;
    static constexpr int maximum = 255;

private:
    int m_position = 0;
};

// An option button; the buttons of a window form one group.
class OptionButton : public Control
{
public:
    explicit OptionButton(Rect geometry) : Control(geometry) {}

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);

private:
    bool m_checked = false;
};

// The state of a top-level window. Sizes are in twips; the outer size
// includes the frame and is unset until code sets it.
class Form
{
public:
    Form(const QString &caption, double clientWidth, double clientHeight)
        : m_caption(caption), m_clientWidth(clientWidth), m_clientHeight(clientHeight)
    {
    }

    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption);

    double clientWidth() const { return m_clientWidth; }
    double clientHeight() const { return m_clientHeight; }
    std::optional<double> outerWidth() const { return m_outerWidth; }
    void setOuterWidth(double width);
    std::optional<double> outerHeight() const { return m_outerHeight; }
    void setOuterHeight(double height);

    std::optional<Colour> background() const { return m_background; }
    void setBackground(Colour colour);

    bool isVisible() const { return m_visible; }
    // Shows the window, or brings it to the front when it is shown already.
    void show();
    void hide();

    void setChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }
    // Told when a shown window is asked to come to the front.
    void setRaiseHandler(std::function<void()> handler) { m_raise = std::move(handler); }

private:
    template<typename T> void assign(T &field, const T &value);

    QString m_caption;
    double m_clientWidth;
    double m_clientHeight;
    std::optional<double> m_outerWidth;
    std::optional<double> m_outerHeight;
    std::optional<Colour> m_background;
    bool m_visible = false;
    std::function<void()> m_changed;
    std::function<void()> m_raise;
};
