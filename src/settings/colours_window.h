#pragma once

// The colours window (TColorsFm): a small model of the message window and the main
// window; a panel stands for a background, a label for a text colour, and a click
// picks a new one. Only what the user picked is put in force by "Apply" or "OK":
// a colour still at its default stays the default, so it keeps following the desktop.

#include "settings/colours.h"

#include <QWidget>
#include <bitset>
#include <functional>

class QLabel;
class QPushButton;

namespace quorvelle::shell {
class ColourViews;
}

namespace quorvelle::settings {

using shell::ColourViews;

class TColorsFm : public QWidget
{
    Q_OBJECT

public:
    explicit TColorsFm(ColourViews& views);

    // The colour dialog; a test answers it itself. An invalid colour is a cancel.
    std::function<QColor(const QColor& initial, QWidget* parent)> chooseColour;

    // BrushChange and FontColorChange: the panel or label of id was clicked.
    void pick(ColourId id);
    void ApplyButtClick();
    void OkBtnClick();

    // The panel or label that shows id.
    QWidget* swatch(ColourId id) const { return m_swatches[size_t(id)]; }
    const Colours& model() const { return m_model; }
    // Draws the model again, as the desktop's palette now shows it.
    void showModel();

    QPushButton* OkBtn;
    QPushButton* CancelBtn;
    QPushButton* ApplyButt;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* panel(QWidget* parent, const char* name, ColourId id);
    QLabel* label(QWidget* parent, const char* name, const QString& caption, ColourId id);

    ColourViews& m_views;
    Colours m_model;
    std::bitset<ColourCount> m_changed;
    std::array<QWidget*, ColourCount> m_swatches{};
    bool m_ok = false;
};

} // namespace quorvelle::settings
