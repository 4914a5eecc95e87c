#include "parties/grouperadio.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QSignalBlocker>

namespace talvex {

TGroupeRadio::TGroupeRadio(const QString& titre, const QStringList& elements, int colonnes, QWidget* parent)
    : QGroupBox(titre, parent)
    , m_boutons(new QButtonGroup(this))
{
    auto* grille = new QGridLayout(this);
    for (int i = 0; i < elements.size(); ++i) {
        auto* bouton = new QRadioButton(elements[i], this);
        m_boutons->addButton(bouton, i);
        grille->addWidget(bouton, i / colonnes, i % colonnes);
    }
    setItemIndex(0);
    connect(m_boutons, &QButtonGroup::idToggled, this, [this](int id, bool coche) {
        if (coche)
            emit clic(id);
    });
}

int TGroupeRadio::itemIndex() const
{
    return m_boutons->checkedId();
}

void TGroupeRadio::setItemIndex(int index)
{
    const QSignalBlocker silence(m_boutons);
    if (QRadioButton* choisi = bouton(index))
        choisi->setChecked(true);
}

QRadioButton* TGroupeRadio::bouton(int index) const
{
    return qobject_cast<QRadioButton*>(m_boutons->button(index));
}

} // namespace talvex
