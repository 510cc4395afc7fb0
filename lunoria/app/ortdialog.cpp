// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "ortdialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace lunoria {

namespace {

// More matches than this are of no help in a list this size.
constexpr int HoechstensTreffer = 30;

}  // namespace

TOrtDialog::TOrtDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("OrtDialog"));
    setWindowTitle(QStringLiteral("Ort wählen"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* spalte = new QVBoxLayout(this);
    auto* frage = new QLabel(QStringLiteral("Ortsname oder Koordinaten (etwa „49,47 N 9,65 O“):"), this);
    spalte->addWidget(frage);
    m_Feld = new QLineEdit(this);
    m_Feld->setObjectName(QStringLiteral("OrtFeld"));
    m_Feld->setClearButtonEnabled(true);
    frage->setBuddy(m_Feld);
    spalte->addWidget(m_Feld);
    m_Liste = new QListWidget(this);
    m_Liste->setObjectName(QStringLiteral("OrtListe"));
    m_Liste->setAccessibleName(QStringLiteral("Gefundene Orte"));
    spalte->addWidget(m_Liste);
    m_Hinweis = new QLabel(this);
    m_Hinweis->setObjectName(QStringLiteral("OrtHinweis"));
    spalte->addWidget(m_Hinweis);
    resize(360, 300);

    m_Feld->installEventFilter(this);
    connect(m_Feld, &QLineEdit::textChanged, this, &TOrtDialog::TextGeaendert);
    connect(m_Feld, &QLineEdit::returnPressed, this, [this] { Waehlen(std::max(m_Liste->currentRow(), 0)); });
    connect(m_Liste, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* eintrag) { Waehlen(m_Liste->row(eintrag)); });
}

bool TOrtDialog::eventFilter(QObject* objekt, QEvent* ereignis)
{
    // Up and down in the text field move through the list, so that the hands stay on the keys.
    if (objekt == m_Feld && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if ((taste == Qt::Key_Down || taste == Qt::Key_Up) && m_Liste->count() > 0) {
            const int zeile = std::clamp(m_Liste->currentRow() + (taste == Qt::Key_Down ? 1 : -1), 0,
                                         m_Liste->count() - 1);
            m_Liste->setCurrentRow(zeile);
            return true;
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void TOrtDialog::TextGeaendert(const QString& text)
{
    m_Treffer.clear();
    m_Liste->clear();
    m_Hinweis->clear();
    const std::string eingabe = text.trimmed().toStdString();
    if (eingabe.empty())
        return;
    // Text that starts like a number is read as coordinates, anything else as a name.
    const QChar erstes = text.trimmed().front();
    if (erstes.isDigit() || erstes == QLatin1Char('-') || erstes == QLatin1Char('+')) {
        std::string fehler;
        if (const std::optional<TOrt> ort = KoordinatenLesen(eingabe, fehler)) {
            m_Treffer.push_back(*ort);
            m_Liste->addItem(QString::fromStdString(ort->Name) + QStringLiteral(" (Systemzeitzone)"));
        } else {
            m_Hinweis->setText(QString::fromStdString(fehler));
        }
    } else {
        m_Treffer = OrteSuchen(eingabe, HoechstensTreffer);
        for (const TOrt& ort : m_Treffer)
            m_Liste->addItem(QString::fromStdString(OrtZeile(ort)));
        if (m_Treffer.empty())
            m_Hinweis->setText(OrtslisteVorhanden() ? QStringLiteral("Kein Ort dieses Namens gefunden.")
                                                    : QStringLiteral("Die Ortsliste ist nicht installiert."));
    }
    if (!m_Treffer.empty())
        m_Liste->setCurrentRow(0);
}

void TOrtDialog::Waehlen(int zeile)
{
    if (zeile < 0 || zeile >= static_cast<int>(m_Treffer.size()))
        return;
    const TOrt ort = m_Treffer[static_cast<std::size_t>(zeile)];
    Q_EMIT OrtGewaehlt(ort);
    close();
}

}  // namespace lunoria
