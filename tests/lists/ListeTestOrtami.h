#pragma once
// A small known data set for the lists, and each list's rows summed from it in plain C++,
// apart from any SQL, to hold the lists' own rows against.

#include "KabukTestOrtami.h"
#include "ListeVerileri.h"
#include "OrtakYordamlarModulu.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

class ListeTestOrtamı : public KabukTestOrtamı {
protected:
  using Süzgeç = ListeVerileri::Süzgeç;
  static constexpr int Transfer = 99;

  struct Ürün {
    const char *kod, *ad;
    double ağırlık;
  };
  // One row of a movement table; a transfer half names the other warehouse as its company.
  struct Hareket {
    bool giriş;
    int ürün, depo, firma, neden;
    QDate tarih;
    double miktar;
  };
  struct İade {
    int çıkış;  // index into `hareketler`
    QDate tarih;
    double miktar;
  };

  const std::vector<QString> depolar{"MERKEZ", "ŞUBE"};
  const std::vector<Ürün> ürünler{{"E1", "ELMA", 2.0}, {"A1", "ARMUT", 0.5}, {"Ç1", "ÇİVİ", 0}, {"K1", "KAYIŞ", 1.25}};
  const std::vector<QString> satıcılar{"BEŞER", "AKSOY"}, alıcılar{"IŞIK", "DOĞAN"};
  const std::vector<Hareket> hareketler{
      {true, 0, 0, 1, 1, {2026, 1, 5}, 10.10},   {true, 0, 0, 0, 1, {2026, 2, 10}, 5},
      {true, 1, 1, 1, 1, {2026, 1, 20}, 100},    {true, 2, 0, 0, 1, {2026, 3, 1}, 1000},
      {true, 3, 1, 1, 1, {2026, 2, 15}, 3.33},   {false, 0, 0, 1, 0, {2026, 1, 25}, 2.5},
      {false, 0, 0, 0, 3, {2026, 2, 20}, 1.1},   {false, 1, 1, 1, 0, {2026, 2, 1}, 40},
      {false, 2, 0, 0, 6, {2026, 3, 5}, 999.99}, {true, 0, 1, 0, Transfer, {2026, 2, 12}, 3},
      {false, 0, 0, 1, Transfer, {2026, 2, 12}, 3}, {true, 1, 0, 1, Transfer, {2026, 2, 14}, 10},
      {false, 1, 1, 0, Transfer, {2026, 2, 14}, 10}, {false, 3, 1, 0, 1, {2026, 2, 16}, 0.33},
  };
  const std::vector<İade> iadeler{{5, {2026, 2, 1}, 0.5}, {7, {2026, 2, 5}, 5}};

  std::vector<qint64> depoNo, ürünNo, satıcıNo, alıcıNo;

  qint64 Ekle(const QString& sql, const QVariantList& d) {
    vt->Çalıştır(sql, d);
    return vt->SonEklenenNo();
  }

  void VerileriYaz() {
    for (const QString& d : depolar) depoNo.push_back(Ekle("INSERT INTO DepoBilgileriTablosu (DepoAdi) VALUES (?)", {d}));
    for (const Ürün& u : ürünler)
      ürünNo.push_back(Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES (?, ?, ?)",
                            {QString::fromUtf8(u.kod), QString::fromUtf8(u.ad), u.ağırlık ? QVariant(u.ağırlık) : QVariant()}));
    for (const QString& f : satıcılar)
      satıcıNo.push_back(Ekle("INSERT INTO SaticiFirmaBilgileriTablosu (FirmaAdi) VALUES (?)", {f}));
    for (const QString& f : alıcılar)
      alıcıNo.push_back(Ekle("INSERT INTO AliciFirmaBilgileriTablosu (FirmaAdi) VALUES (?)", {f}));
    std::vector<qint64> islemNo;
    for (const Hareket& h : hareketler) {
      const qint64 firma = h.neden == Transfer ? depoNo[h.firma] : (h.giriş ? satıcıNo : alıcıNo)[h.firma];
      islemNo.push_back(Ekle(h.giriş ? "INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, SaticiFirmaNo, GirisNedeni, "
                                       "IslemTarihi, GirisMiktari) VALUES (?, ?, ?, ?, ?, ?)"
                                     : "INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, AliciFirmaNo, CikisNedeni, "
                                       "IslemTarihi, CikisMiktari) VALUES (?, ?, ?, ?, ?, ?)",
                             {ürünNo[h.ürün], depoNo[h.depo], firma, h.neden, h.tarih, h.miktar}));
    }
    for (const İade& i : iadeler) {
      const Hareket& ç = hareketler[static_cast<size_t>(i.çıkış)];
      Ekle("INSERT INTO IadeBilgileriTablosu (IslemNo, UrunNo, FirmaNo, DepoNo, IadeTarihi, IadeMiktari) "
           "VALUES (?, ?, ?, ?, ?, ?)",
           {islemNo[static_cast<size_t>(i.çıkış)], ürünNo[ç.ürün], alıcıNo[ç.firma], depoNo[ç.depo], i.tarih, i.miktar});
    }
  }

  // Figures as the lists show them.
  static QString M(qint64 yüzde) { return TürkçeMetin::MiktarMetni(yüzde); }
  static qint64 Yüzde(double m) { return std::llround(m * 100); }
  // Quantity times unit weight rounded once, half away from zero, in exact integers.
  static qint64 Ağırlık(qint64 yüzde, double birim) {
    const qint64 p = yüzde * std::llround(birim * 10000);
    return (p + (p < 0 ? -5000 : 5000)) / 10000;
  }
  qint64 Ağırlık(int ürün, qint64 yüzde) const { return Ağırlık(yüzde, ürünler[ürün].ağırlık); }
  // Each row of a list as the lists show it, its cells joined.
  static QStringList Metinler(const SıkıListe& l) {
    QStringList s;
    for (int r = 0; r < l.SatırSayısı(); ++r) {
      QStringList h;
      for (int k = 0; k < l.SütunSayısı(); ++k) h << l.HücreMetni(r, k);
      s << h.join(" | ");
    }
    return s;
  }

  bool İçinde(const Hareket& h, const Süzgeç& s) const {
    return h.tarih >= s.dönem.ilk && h.tarih <= s.dönem.son && (!s.depo || depoNo[h.depo] == *s.depo);
  }
  QString Firma(const Hareket& h) const { return (h.giriş ? satıcılar : alıcılar)[h.firma]; }

  // Sums the matching movements per key, the keys in Turkish order of their texts.
  template <class Seç, class Anahtar>
  std::vector<std::pair<QStringList, std::pair<int, qint64>>> Topla(Seç&& seç, Anahtar&& anahtar) const {
    std::vector<std::pair<QStringList, std::pair<int, qint64>>> t;
    for (const Hareket& h : hareketler) {
      if (!seç(h)) continue;
      const QStringList k = anahtar(h);
      auto i = std::find_if(t.begin(), t.end(), [&](const auto& e) { return e.first == k; });
      if (i == t.end()) i = t.insert(t.end(), {k, {h.ürün, 0}});
      i->second.second += Yüzde(h.miktar);
    }
    std::stable_sort(t.begin(), t.end(), [](const auto& a, const auto& b) {
      for (int i = 0; i < a.first.size(); ++i)
        if (const int c = TürkçeMetin::Karşılaştır(a.first[i], b.first[i])) return c < 0;
      return false;
    });
    return t;
  }

  QStringList BeklenenStok(const Süzgeç& s) const {
    const auto seç = [&](bool giriş) {
      return [&, giriş](const Hareket& h) { return h.giriş == giriş && İçinde(h, s) && (s.depo || h.neden < Transfer); };
    };
    const auto ad = [&](const Hareket& h) { return QStringList{ürünler[h.ürün].ad}; };
    std::map<QString, std::pair<qint64, qint64>> gc;
    for (const auto& [k, v] : Topla(seç(true), ad)) gc[k[0]].first = v.second;
    for (const auto& [k, v] : Topla(seç(false), ad)) gc[k[0]].second = v.second;
    QStringList r;
    for (const auto& [k, v] : Topla([&](const Hareket& h) { return seç(true)(h) || seç(false)(h); }, ad)) {
      const int u = v.first;
      const auto [g, c] = gc[k[0]];
      r << QStringList{ürünler[u].kod, ürünler[u].ad, M(g), M(Ağırlık(u, g)), M(c), M(Ağırlık(u, c)), M(g - c),
                       M(Ağırlık(u, g - c))}
               .join(" | ");
    }
    return r;
  }

  QStringList BeklenenÇıkışNedeni(const Süzgeç& s) const {
    QStringList r;
    for (const auto& [k, v] : Topla(
             [&](const Hareket& h) {
               return !h.giriş && h.neden < Transfer && İçinde(h, s) && (!s.seçim || h.neden == *s.seçim);
             },
             [&](const Hareket& h) { return QStringList{ürünler[h.ürün].ad, depolar[h.depo], Firma(h)}; }))
      r << QStringList{ürünler[v.first].kod, k[0], k[1], k[2], M(v.second), M(Ağırlık(v.first, v.second))}.join(" | ");
    return r;
  }

  QStringList BeklenenFirma(bool satıcı, const Süzgeç& s) const {
    const std::vector<qint64>& nolar = satıcı ? satıcıNo : alıcıNo;
    QStringList r;
    for (const auto& [k, v] : Topla(
             [&](const Hareket& h) {
               return h.giriş == satıcı && h.neden < Transfer && İçinde(h, s) && (!s.seçim || nolar[h.firma] == *s.seçim);
             },
             [&](const Hareket& h) { return QStringList{Firma(h), ürünler[h.ürün].ad, depolar[h.depo]}; }))
      r << QStringList{k[0], ürünler[v.first].kod, k[1], k[2], M(v.second), M(Ağırlık(v.first, v.second))}.join(" | ");
    return r;
  }

  QStringList Beklenenİşlemler(bool giriş, const Süzgeç& s) const {
    std::vector<const Hareket*> seçilen;
    for (const Hareket& h : hareketler)
      if (h.giriş == giriş && h.neden < Transfer && İçinde(h, s)) seçilen.push_back(&h);
    std::stable_sort(seçilen.begin(), seçilen.end(), [](auto* a, auto* b) { return a->tarih < b->tarih; });
    QStringList r;
    for (const Hareket* h : seçilen) {
      const qint64 m = Yüzde(h->miktar);
      r << QStringList{TürkçeMetin::TarihMetni(h->tarih), Firma(*h), ürünler[h->ürün].kod, ürünler[h->ürün].ad,
                       depolar[h->depo], giriş ? "Alım" : OrtakYordamlarModülü::ÇıkışNedeniAdı(h->neden), M(m),
                       M(Ağırlık(h->ürün, m))}
               .join(" | ");
    }
    return r;
  }

  QStringList Beklenenİadeler(const Süzgeç& s) const {
    QStringList r;
    for (const İade& i : iadeler) {
      const Hareket& ç = hareketler[static_cast<size_t>(i.çıkış)];
      if (i.tarih < s.dönem.ilk || i.tarih > s.dönem.son || (s.depo && depoNo[ç.depo] != *s.depo)) continue;
      const qint64 m = Yüzde(i.miktar);
      r << QStringList{TürkçeMetin::TarihMetni(i.tarih), alıcılar[ç.firma], ürünler[ç.ürün].kod, ürünler[ç.ürün].ad,
                       depolar[ç.depo], M(m), M(Ağırlık(ç.ürün, m))}
               .join(" | ");
    }
    return r;
  }
};
