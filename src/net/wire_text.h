#pragma once

// Text on the wire, in logs and in the archive is 8-bit text in one code page
// (the setting Codepage). Inside the program text is QString.

#include "settings/codepage.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace quorvelle::net {

class WireText
{
public:
    // An unknown code page name falls back to windows-1251.
    explicit WireText(const QByteArray& codepage = settings::DefaultCodepage());

    const QByteArray& codepage() const { return m_codepage; }
    // From now on; an unknown name changes nothing.
    void setCodepage(const QByteArray& codepage);

    // A character the code page cannot hold becomes "?".
    QByteArray encode(const QString& text) const;
    QString decode(QByteArrayView bytes) const;
    // The characters of the text this code page cannot hold, each once.
    QString unmappable(const QString& text) const;

private:
    QByteArray m_codepage;
};

} // namespace quorvelle::net
