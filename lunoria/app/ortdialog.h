// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The small window of the "Ort…" button: a text field for a place name or coordinates and the
// list of matching places, to be used with the keyboard (arrows, Enter, Escape) or the mouse.
// It does not block the main window; a choice is reported by OrtGewaehlt and closes it.

#include <QDialog>
#include <vector>

#include "orte.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace lunoria {

class TOrtDialog : public QDialog {
    Q_OBJECT

public:
    explicit TOrtDialog(QWidget* parent = nullptr);

    // The places the list shows, in its order.
    const std::vector<TOrt>& Treffer() const { return m_Treffer; }

Q_SIGNALS:
    void OrtGewaehlt(const lunoria::TOrt& ort);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void TextGeaendert(const QString& text);
    void Waehlen(int zeile);

    QLineEdit* m_Feld = nullptr;
    QListWidget* m_Liste = nullptr;
    QLabel* m_Hinweis = nullptr;
    std::vector<TOrt> m_Treffer;
};

}  // namespace lunoria
