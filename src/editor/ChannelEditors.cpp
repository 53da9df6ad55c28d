#include "editor/ChannelEditors.h"

#include "editor/ColourSwatch.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace tintabel {

ChannelEditors::ChannelEditors(QLineEdit& re, QLineEdit& ge, QLineEdit& be, QLineEdit& hex,
    QLineEdit& alp, ColourSwatch& clr, QAbstractButton& plt)
    : m_re(re)
    , m_ge(ge)
    , m_be(be)
    , m_hex(hex)
    , m_alp(alp)
    , m_clr(clr)
    , m_plt(plt)
{
}

void ChannelEditors::reset()
{
    m_plt.setEnabled(false);
    m_re.setEnabled(false);
    m_be.setEnabled(false);
    m_alp.setEnabled(false);
    m_ge.setEnabled(false);
    m_hex.setEnabled(false);

    m_re.setText(QStringLiteral("0"));
    m_ge.setText(QStringLiteral("0"));
    m_be.setText(QStringLiteral("0"));
    m_hex.setText(QString());
    m_alp.setText(QStringLiteral("255"));

    m_clr.setColour(0xFFFFFF);
}

} // namespace tintabel
