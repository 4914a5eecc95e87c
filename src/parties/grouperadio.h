#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

namespace talvex {

// A titled group of radio buttons laid out in columns, with one chosen item.
class TGroupeRadio : public QGroupBox
{
    Q_OBJECT

public:
    TGroupeRadio(const QString& titre, const QStringList& elements, int colonnes, QWidget* parent = nullptr);

    int itemIndex() const;
    // Chooses an item without telling anyone.
    void setItemIndex(int index);
    QRadioButton* bouton(int index) const;

signals:
    // The user chose another item.
    void clic(int index);

private:
    QButtonGroup* m_boutons;
};

} // namespace talvex
