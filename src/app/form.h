#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QWidget>

#include <memory>
#include <optional>

class Program;
class Services;

enum class TitleButtons {
    None,              // no close, minimise or maximise button
    StandardLessMaximise,
    Standard,
};

// The top-level window of a loaded form: fixed client size given in twips.
// Its close box never closes it directly but asks the form what to do; a window
// without title-bar buttons ignores a close request (a window manager's shortcut).
class FormWindow : public QWidget
{
    Q_OBJECT

public:
    FormWindow(const QString &caption, QSize clientTwips, TitleButtons buttons);

    // Makes the window visible at its designed size. Not show(): a platform that shows
    // windows maximised by default (a web page does) would stretch it over the whole screen.
    void showAsDesigned() { setVisible(true); }

Q_SIGNALS:
    void closeBoxClicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    TitleButtons m_buttons;
};

// One window of the program with the lifetime of its single global instance.
// Loading builds the controls afresh; unloading discards them while the form object,
// and every field it holds, lives on.
class Form : public QObject
{
    Q_OBJECT

public:
    ~Form() override;

    // Loads an unloaded form (its load handler runs to the end inside this call),
    // then makes it visible and brings it to the front.
    void Show();
    // Hides the window; its controls keep their values.
    void Hide();
    // Discards the controls; harmless on an unloaded form. A handler of the form
    // may unload it and run on: the widgets are deleted once control returns to
    // the event loop, but the form no longer hands them out.
    void Unload();

    bool isLoaded() const { return m_window != nullptr; }
    bool isVisible() const { return m_window && m_window->isVisible(); }
    // The loaded window, or nullptr.
    FormWindow *window() const { return m_window.get(); }

protected:
    explicit Form(Program &program);

    Services &services() const;

    // Builds the window with its controls as designed and connects the handlers.
    virtual std::unique_ptr<FormWindow> createWindow() = 0;
    virtual void Form_Load() {}
    // What the close box of the title bar does; by default it unloads the form.
    virtual void closeBox();
    // Where the client area opens, in twips from the screen's top-left; centred when empty.
    virtual std::optional<QPoint> clientPositionTwips() const { return std::nullopt; }

private:
    void place();

    Program &m_program;
    std::unique_ptr<FormWindow> m_window;
};

// A form whose loaded window is of type Window, with its controls as members.
template<typename Window>
class FormOf : public Form
{
protected:
    using Form::Form;

    // The loaded window with its controls, or nullptr.
    Window *ui() const { return static_cast<Window *>(window()); }
};
