#pragma once
// The error numbers the program tests, and what each failure of the engine means to the user.
//
// 3024 missing file, 3043/3044 path or I/O, 3051 access, 3055 bad name, 3031 wrong password,
// 3260 locked by another workstation, 3026 disk full, 3027 read-only folder; 3022 duplicate key,
// 3314 empty required field, 3317 value against a rule or type of the table.

#include "IslemIzleri.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <stdexcept>

namespace VeritabanıHataNo {
inline constexpr int DosyaYok = 3024;
inline constexpr int ParolaYanlış = 3031;
inline constexpr int AğHatası = 3043;
inline constexpr int YolGeçersiz = 3044;
inline constexpr int ErişimYok = 3051;
inline constexpr int DosyaAdıGeçersiz = 3055;
inline constexpr int Kilitli = 3260;
inline constexpr int DiskDolu = 3026;
inline constexpr int SaltOkunur = 3027;
inline constexpr int YinelenenDeğer = 3022;
inline constexpr int BoşOlamaz = 3314;
inline constexpr int KuralaAykırı = 3317;
inline constexpr int İşlemYok = 3034;       // the engine rolled the transaction back on its own
inline constexpr int FazlaDeyim = 3142;     // text after the end of the statement
inline constexpr int SorguYok = 3078;
inline constexpr int AlanYok = 3265;
inline constexpr int KayıtYok = 3021;
inline constexpr int Genel = 3001;
// The program's own: the disk hid whether a commit reached the file.
inline constexpr int SonucuBilinmiyor = 3901;
}  // namespace VeritabanıHataNo

class VeritabanıHatası : public std::runtime_error {
public:
  VeritabanıHatası(int numara, const QString& açıklama);
  int Numara() const { return numara_; }
  QString Açıklama() const { return açıklama_; }

private:
  int numara_;
  QString açıklama_;
};

// Maps an sqlite3 result code (extended), with the errno of the failing file call, to the
// program's error number: a full disk, a file-size limit or a quota is 3026, a folder or file
// system that cannot be written (or refuses to create a file with EIO) 3027, any other I/O error 3043.
int HataNumarası(int sqliteKodu, int sistemHatası = 0);
// The error with that number and a Turkish text that says what happened and what to do.
// `okuma`: the statement only read, so nothing was to be stored.
VeritabanıHatası MotorHatası(int sqliteKodu, int sistemHatası, const QString& motorMetni, bool okuma = false);
// A commit whose outcome the disk hid. `saklandı`: the run's file keeps it, so that a restart
// still tells it; else the user is told to save again before closing.
VeritabanıHatası SonucuBilinmeyenHata(bool saklandı = true);
// What became of a work whose outcome was unknown, named, timed as the user entered it and with
// its server folder; nothing when it can no longer be told. `yazılmadıysa` says what to do when
// it is not stored.
QString ÖncekiİşMetni(const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış,
                      const QString& yazılmadıysa = QStringLiteral("gerekiyorsa yeniden giriniz."));
// Why the file at `yol` cannot be opened as the shared database, decided before the engine
// guesses; nothing when it can be tried.
std::optional<VeritabanıHatası> AçılışHatası(const QString& yol);
