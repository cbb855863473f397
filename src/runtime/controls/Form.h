// A legacy form: a fixed-size top-level window with a close button but no minimize or maximize button,
// drawn in the legacy default font. load() runs Form_Load once before the window is shown; closing runs
// Form_Unload, which may cancel the close. Both run through runGuarded, so an error they throw is reported.
#pragma once

#include "runtime/controls/UnhandledError.h"

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QWidget>

#include <utility>
#include <vector>

namespace tervala::rt {

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString& name, QWidget* parent = nullptr);

    // Fixes the client area at this size in twips; the user cannot resize the window.
    void setClientSizeTwips(int width, int height);
    // Shows caption cut to MaxCaptionLength characters: a window system refuses a title of megabytes, and no
    // title bar shows a thousand characters. caption() returns the text as cut. A builder stage sets the caption
    // for every row, and each title change is a round trip to the display server: the title bar is told at most
    // once every CaptionIntervalMs, and a caption set sooner reaches it when the event loop next runs timers.
    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }
    static constexpr qsizetype MaxCaptionLength = 1000;
    static constexpr int CaptionIntervalMs = 10;

    // Runs Form_Load the first time; later calls do nothing. Call it before show().
    void load();
    // True once a close went through (Form_Unload left cancel at 0).
    bool isUnloaded() const { return m_unloaded; }

    // Tab and Shift+Tab move through the controls by their legacy TabIndex numbers (first of each pair), lowest
    // first, whatever container they sit in. Controls that cannot take focus now are passed over, and so is an
    // option button whose group has another button selected: a group is one stop, at its selected button.
    void setTabOrderByIndex(std::vector<std::pair<int, QWidget*>> tabIndexes);

protected:
    // Connects signal of sender to handler, which runs through runGuarded: an error it throws is reported.
    template <typename Sender, typename Signal, typename Handler>
    void connectGuarded(Sender* sender, Signal signal, Handler handler)
    {
        connect(sender, signal, this, [handler = std::move(handler)] { runGuarded(handler); });
    }

    virtual void Form_Load() { }
    // Setting cancel to a non-zero value keeps the window open.
    virtual void Form_Unload(int& cancel) { Q_UNUSED(cancel); }

    void closeEvent(QCloseEvent* event) override;
    // The first show fits every caption to its control in the fonts this machine has (see FittedCaptions.h).
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool isTabStop(const QWidget* control) const;
    void showCaption();

    // Controls in tab order; empty when the form keeps Qt's own focus chain.
    std::vector<QWidget*> m_tabOrder;
    bool m_loaded = false;
    bool m_captionsFitted = false;
    bool m_unloaded = false;
    QString m_caption;
    QElapsedTimer m_sinceCaptionShown; // invalid before the first caption
    QBasicTimer m_captionDue; // active while the title bar lags behind m_caption
};

} // namespace tervala::rt
