#pragma once
// Record lists: each entry carries its record's key, and the form reads the key back.

#include <QListWidget>

#include <optional>

// The key of the selected entry, or nothing.
inline std::optional<qint64> SeçiliKayıt(const QListWidget* liste) {
  const auto seçili = liste->selectedItems();
  if (seçili.isEmpty()) return std::nullopt;
  return seçili.first()->data(Qt::UserRole).toLongLong();
}

// Selects the entry at `satır` as a click does (its Click runs on the change); -1 leaves none.
inline void SatırıSeç(QListWidget* liste, int satır) {
  if (satır < 0) {
    liste->clearSelection();
    liste->setCurrentRow(-1);
    return;
  }
  liste->setCurrentRow(satır);
}
