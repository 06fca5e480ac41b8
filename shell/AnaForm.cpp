#include "AnaForm.h"

#include "Ayarlar.h"
#include "FormYoneticisi.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"
#include "Simgeler.h"
#include "TurkceMetin.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <cmath>
#include <optional>

std::function<QSize()> AnaForm::EkranBoyutu;
std::function<QList<QRect>()> AnaForm::EkranAlanları;
std::function<void()> AnaForm::KarşılamaFormunuKaldır;
std::function<void(int)> AnaForm::KomutDağıtıcı;
std::function<bool(int)> AnaForm::KomutHazırMı;

namespace {

constexpr int TwipBaşınaPiksel = 15;
const QString AyarBölümü = QStringLiteral("Ayarlar");

struct MenüGirdisi {
  int menü;  // index in Menüler; -1 = submenu of 108
  int komutNo;
  const char* başlık;
  bool ayraç;
  QKeySequence tuş;
};

const std::array<const char*, 4> MenüBaşlıkları = {"&Program", "&Stok İşlemleri", "&Listeler", "&Yardım"};

// Every key belongs to one command only; the exit command has none.
const MenüGirdisi Girdiler[] = {
    {0, 300, "Giriş Şifresi Belirle/Değiştir...", false, QKeySequence(Qt::CTRL | Qt::Key_G)},
    {0, 301, "Sunucu Değiştir...", false, {}},
    {0, 305, "Çıkış", true, {}},
    {1, 101, "Ürün İşlemleri...", false, QKeySequence(Qt::CTRL | Qt::Key_U)},
    {1, 102, "Depo İşlemleri...", false, QKeySequence(Qt::CTRL | Qt::Key_D)},
    {1, 103, "Satıcı Firma İşlemleri...", false, {}},
    {1, 104, "Alıcı Firma (Müşteri) İşlemleri...", false, {}},
    {1, 105, "Stoğa (Depoya) Giriş...", true, QKeySequence(Qt::Key_F2)},
    {1, 106, "Stoktan (Depodan) Çıkış...", false, QKeySequence(Qt::Key_F3)},
    {1, 107, "Depodan Depoya Transfer...", false, QKeySequence(Qt::Key_F4)},
    {1, 108, "Stok Hareketleri", true, {}},
    {-1, 109, "Ürünlere Göre Stok Hareketleri", false, QKeySequence(Qt::CTRL | Qt::Key_H)},
    {-1, 110, "Giriş-Çıkış Yapanlara Göre Stok Hareketleri", false, {}},
    {1, 111, "Kritik Stok Belirleme...", true, QKeySequence(Qt::CTRL | Qt::Key_K)},
    {2, 201, "Güncel Stok Listesi...", false, QKeySequence(Qt::Key_F5)},
    {2, 202, "Çıkış Nedenine Göre Stok Listesi...", true, QKeySequence(Qt::Key_F6)},
    {2, 203, "Satıcı Firmalara Göre Stok Listesi", false, {}},
    {2, 204, "Alıcı Firmalara Göre Stok Listesi", false, {}},
    {2, 205, "Kritik Stok Listesi", true, QKeySequence(Qt::Key_F7)},
    {2, 206, "Giriş İşlemleri Listesi...", true, QKeySequence(Qt::Key_F8)},
    {2, 207, "Çıkış İşlemleri Listesi...", false, QKeySequence(Qt::Key_F9)},
    {2, 208, "İade Edilen Ürünler Listesi", true, {}},
    {3, 303, "Hata Bildirme...", false, {}},
    {3, 304, "Hakkında", false, {}},
};

struct AraçDüğmesi {
  int komutNo;
  const char* başlık;
};
const AraçDüğmesi AraçDüğmeleri[] = {
    {400, "Tanımlamalar"}, {401, "Giriş İşlemleri"}, {402, "Çıkış İşlemleri"}, {403, "Hareketler"}};

// A stored length or edge in twips; a value that is not a number, or that cannot be a window's
// length (none, negative, beyond any screen) or edge, counts as missing.
std::optional<int> TwipOku(const QString& anahtar, bool uzunluk) {
  const auto değer = TürkçeMetin::SayıOku(Ayarlar::Oku(AyarBölümü, anahtar));
  if (!değer) return std::nullopt;
  const double piksel = *değer / TwipBaşınaPiksel;
  if (std::fabs(piksel) > QWIDGETSIZE_MAX) return std::nullopt;
  const int sonuç = static_cast<int>(std::lround(piksel));
  if (uzunluk && sonuç <= 0) return std::nullopt;
  return sonuç;
}

int Piksel(qint64 twip) { return static_cast<int>(std::lround(static_cast<double>(twip) / TwipBaşınaPiksel)); }
QString TwipMetni(int piksel) { return QString::number(qint64(piksel) * TwipBaşınaPiksel); }

}  // namespace

AnaForm::AnaForm() {
  setContextMenuPolicy(Qt::NoContextMenu);
  MDIForm_Initialize();
}

AnaForm::~AnaForm() {
  // Forms shown over the window are owned by their own accessors, not by it.
  for (QDialog* form : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) form->setParent(nullptr);
}

QSize AnaForm::Ekran() const {
  if (EkranBoyutu) return EkranBoyutu();
  const QScreen* ekran = QGuiApplication::primaryScreen();
  return ekran ? ekran->geometry().size() : QSize();
}

QList<QRect> AnaForm::Alanlar() const {
  if (EkranAlanları) return EkranAlanları();
  QList<QRect> alanlar;
  if (const QScreen* birincil = QGuiApplication::primaryScreen()) alanlar << birincil->availableGeometry();
  for (const QScreen* ekran : QGuiApplication::screens())
    if (ekran != QGuiApplication::primaryScreen()) alanlar << ekran->availableGeometry();
  return alanlar;
}

QRect EkranaSığdır(const QRect& pencere, const QList<QRect>& ekranAlanları, const QMargins& çerçeve) {
  if (ekranAlanları.isEmpty()) return pencere;
  const int yatay = çerçeve.left() + çerçeve.right(), dikey = çerçeve.top() + çerçeve.bottom();
  const QRect dış(pencere.topLeft(), pencere.size() + QSize(yatay, dikey));
  QRect alan = ekranAlanları.first();
  qint64 enÇokOrtak = 0;
  for (const QRect& a : ekranAlanları) {
    const QRect ortak = a.intersected(dış);
    const qint64 yüzey = qint64(ortak.width()) * ortak.height();
    if (yüzey > enÇokOrtak) {
      enÇokOrtak = yüzey;
      alan = a;
    }
  }
  const int g = std::clamp(pencere.width(), 1, std::max(1, alan.width() - yatay));
  const int y = std::clamp(pencere.height(), 1, std::max(1, alan.height() - dikey));
  const int sol = std::clamp(dış.x(), alan.x(), alan.x() + std::max(0, alan.width() - g - yatay));
  const int üst = std::clamp(dış.y(), alan.y(), alan.y() + std::max(0, alan.height() - y - dikey));
  return {sol, üst, g, y};
}

QMargins AnaForm::ÇerçeveKenarları() const {
  const QRect dış = frameGeometry(), iç = geometry();
  return {iç.left() - dış.left(), iç.top() - dış.top(), dış.right() - iç.right(), dış.bottom() - iç.bottom()};
}

void AnaForm::ÇerçeveyiEkranaSığdır() {
  if (windowState() != Qt::WindowNoState) return;
  const QList<QRect> alanlar = Alanlar();
  const QMargins çerçeve = ÇerçeveKenarları();
  const QRect yer = EkranaSığdır(QRect(pos(), size()), alanlar, çerçeve);
  if (yer == QRect(pos(), size())) return;
  resize(yer.size());
  // The window may not shrink below its own minimum: its edges follow the size it really has.
  move(EkranaSığdır(QRect(yer.topLeft(), size()), alanlar, çerçeve).topLeft());
}

void AnaForm::MDIForm_Initialize() {
  // The twip height divided by 15 is the pixel height.
  if (Ekran().height() < 600) {
    OrtakYordamlarModülü::MesajKutusu(QStringLiteral("Bu programın çalışması için ekran çözünürlüğünüzün en az\n"
                                                     "800 x 600 piksel olması gerekiyor!"),
                                      OrtakYordamlarModülü::Stil::Uyarı);
    OrtakYordamlarModülü::ProgramıBitir(0);
  }
}

void AnaForm::Yükle() {
  if (yüklü_) return;
  MDIForm_Load();
}

void AnaForm::MDIForm_Load() {
  KomutlarıKur();
  AraçÇubuğunuKur();
  DurumÇubuğunuKur();
  KomutDurumlarınıYenile();
  setWindowTitle(Ortak::Başlık);
  KonumuYükle();

  // The welcome form's hourglass ends here.
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  QCoreApplication::processEvents();
  yüklü_ = true;
  show();
  if (auto kapat = std::move(KarşılamaFormunuKaldır)) {
    KarşılamaFormunuKaldır = nullptr;
    kapat();
  }
}

QAction* AnaForm::KomutEkle(int komutNo, const QString& başlık) {
  auto* eylem = new QAction(başlık, this);
  eylem->setData(komutNo);
  eylem->setIcon(KomutSimgesi(komutNo));
  connect(eylem, &QAction::triggered, this, [this, komutNo] { MenüDüğmeDurumÇubuğu_Execute(komutNo); });
  Komutlar[komutNo] = eylem;
  return eylem;
}

void AnaForm::KomutlarıKur() {
  // A second load starts from nothing.
  for (auto& [no, eylem] : Komutlar) delete eylem;
  Komutlar.clear();

  auto* çubuk = new QMenuBar(this);
  setMenuBar(çubuk);
  for (size_t i = 0; i < Menüler.size(); ++i) Menüler[i] = çubuk->addMenu(QString::fromUtf8(MenüBaşlıkları[i]));
  StokHareketleriMenüsü = nullptr;

  for (const MenüGirdisi& g : Girdiler) {
    QMenu* menü = g.menü < 0 ? StokHareketleriMenüsü : Menüler[size_t(g.menü)];
    if (g.ayraç) menü->addSeparator();
    QAction* eylem = KomutEkle(g.komutNo, QString::fromUtf8(g.başlık));
    if (g.komutNo == 108) {
      StokHareketleriMenüsü = new QMenu(çubuk);
      eylem->setMenu(StokHareketleriMenüsü);
    }
    menü->addAction(eylem);
    if (!g.tuş.isEmpty()) {
      eylem->setShortcut(g.tuş);
      // Keys work wherever the window is active, menus open or not.
      addAction(eylem);
    }
  }
}

void AnaForm::AraçÇubuğunuKur() {
  if (StandartAraçÇubuğu) {
    removeToolBar(StandartAraçÇubuğu);
    delete StandartAraçÇubuğu;
  }
  StandartAraçÇubuğu = new QToolBar(QStringLiteral("Standart"), this);
  StandartAraçÇubuğu->setObjectName(QStringLiteral("Standart"));
  StandartAraçÇubuğu->setMovable(false);
  StandartAraçÇubuğu->setFloatable(false);
  StandartAraçÇubuğu->setIconSize(QSize(48, 48));
  StandartAraçÇubuğu->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  addToolBar(Qt::TopToolBarArea, StandartAraçÇubuğu);
  for (const AraçDüğmesi& d : AraçDüğmeleri)
    StandartAraçÇubuğu->addAction(KomutEkle(d.komutNo, QString::fromUtf8(d.başlık)));
}

void AnaForm::DurumÇubuğunuKur() {
  auto* çubuk = new QStatusBar(this);
  setStatusBar(çubuk);
  çubuk->clearMessage();
  DurumPanelleri.clear();

  auto* boşta = new QLabel(çubuk);  // the idle text: takes no room
  boşta->setEnabled(false);
  boşta->setFixedWidth(0);
  çubuk->addWidget(boşta);
  DurumPanelleri[0] = boşta;

  auto* bağlantı = new QLabel(çubuk);  // the connection writes its state here
  çubuk->addWidget(bağlantı, 1);
  DurumPanelleri[2] = bağlantı;

  auto* tarih = new QLabel(QStringLiteral("   ") + TürkçeMetin::TarihMetni(Platform::Bugün()), çubuk);
  tarih->setFixedWidth(tarih->sizeHint().width());  // the date in the bar's own font
  çubuk->addWidget(tarih);
  DurumPanelleri[3] = tarih;
  çubuk->show();
}

void AnaForm::KonumuYükle() {
  çerçeveBekleniyor_ = false;
  if (Ayarlar::SayıOku(AyarBölümü, QStringLiteral("BaslamaKonumu"), 1) == 2) {
    setWindowState(Qt::WindowMaximized);
    return;
  }
  const QSize ekran = Ekran();
  const qint64 ekranY = qint64(ekran.height()) * TwipBaşınaPiksel;
  const qint64 ekranG = qint64(ekran.width()) * TwipBaşınaPiksel;

  // Each value is applied at once: the top and left defaults use the size just set.
  resize(width(), TwipOku(QStringLiteral("Yukseklik"), true).value_or(Piksel(ekranY - 400)));
  resize(TwipOku(QStringLiteral("Genislik"), true).value_or(Piksel(ekranG)), height());
  move(x(), TwipOku(QStringLiteral("UstBosluk"), false)
                .value_or(Piksel((ekranY - qint64(height()) * TwipBaşınaPiksel - 400) / 2)));
  move(TwipOku(QStringLiteral("SolBosluk"), false)
           .value_or(Piksel((ekranG - qint64(width()) * TwipBaşınaPiksel) / 2)),
       y());

  // A screen taken away or a damaged file must not leave the window where nobody can reach it.
  ÇerçeveyiEkranaSığdır();
  // The window manager puts its title bar and borders around the window only once it is shown.
  çerçeveBekleniyor_ = ÇerçeveKenarları().isNull();
}

void AnaForm::KonumuKaydet() {
  const Qt::WindowStates durum = windowState();
  if (durum & Qt::WindowMinimized) return;
  const bool büyük = durum & (Qt::WindowMaximized | Qt::WindowFullScreen);
  const auto sonuç = Ayarlar::AnahtarlarıYaz(
      AyarBölümü, büyük ? QList<QPair<QString, QString>>{{QStringLiteral("BaslamaKonumu"), QStringLiteral("2")}}
                        : QList<QPair<QString, QString>>{{QStringLiteral("Yukseklik"), TwipMetni(height())},
                                                         {QStringLiteral("Genislik"), TwipMetni(width())},
                                                         {QStringLiteral("SolBosluk"), TwipMetni(x())},
                                                         {QStringLiteral("UstBosluk"), TwipMetni(y())},
                                                         {QStringLiteral("BaslamaKonumu"), QStringLiteral("0")}});
  OrtakYordamlarModülü::AyarKaydedilmediyseSöyle(sonuç, QStringLiteral("Ana pencerenin konumu ve boyutu"));
}

void AnaForm::MDIForm_Activate() {
  if (QAction* şifre = Komut(300))
    şifre->setText(Ortak::GirişŞifresiSorulsun ? QStringLiteral("Giriş Şifresi Değiştir...")
                                               : QStringLiteral("Giriş Şifresi Belirle..."));
  KomutDurumlarınıYenile();
}

void AnaForm::KomutDurumlarınıYenile() {
  for (auto& [no, eylem] : Komutlar) eylem->setEnabled(KomutHazırMı && KomutHazırMı(no));
}

void AnaForm::MenüDüğmeDurumÇubuğu_Execute(int komutNo) {
  if (!KomutHazırMı || !KomutHazırMı(komutNo) || !KomutDağıtıcı) return;
  OrtakYordamlarModülü::HataYakala([komutNo] { KomutDağıtıcı(komutNo); });
}

void AnaForm::MDIForm_QueryUnload() {
  KonumuKaydet();
  // Every other form goes with the main window.
  for (QWidget* pencere : QApplication::topLevelWidgets()) {
    if (pencere == this || !pencere->isVisible()) continue;
    if (pencere->windowType() != Qt::Window && pencere->windowType() != Qt::Dialog) continue;
    pencere->close();
  }
}

bool AnaForm::event(QEvent* olay) {
  if (olay->type() == QEvent::WindowActivate && yüklü_) MDIForm_Activate();
  const bool sonuç = QMainWindow::event(olay);
  // The first time the frame is known, the whole of it goes onto the screen.
  if (çerçeveBekleniyor_ && (olay->type() == QEvent::Move || olay->type() == QEvent::Resize ||
                             olay->type() == QEvent::WindowActivate) &&
      !ÇerçeveKenarları().isNull()) {
    çerçeveBekleniyor_ = false;
    ÇerçeveyiEkranaSığdır();
  }
  return sonuç;
}

void AnaForm::closeEvent(QCloseEvent* olay) {
  // The close request is never refused.
  if (yüklü_) {
    MDIForm_QueryUnload();
    yüklü_ = false;
  }
  olay->accept();
}

void AnaForm::Kaldır() {
  if (yüklü_) close();
}

QAction* AnaForm::Komut(int komutNo) const {
  const auto b = Komutlar.find(komutNo);
  return b == Komutlar.end() ? nullptr : b->second;
}

void AnaForm::DurumPaneliYaz(int id, const QString& metin) {
  if (const auto b = DurumPanelleri.find(id); b != DurumPanelleri.end()) b->second->setText(metin);
}

QString AnaForm::DurumPaneli(int id) const {
  const auto b = DurumPanelleri.find(id);
  return b == DurumPanelleri.end() ? QString() : b->second->text();
}

QWidget* SahipPencere() { return FormYüklü<AnaForm>() ? &Form<AnaForm>() : nullptr; }

int ModalGöster(QDialog& form) {
  if (QWidget* sahip = SahipPencere(); sahip && form.parentWidget() != sahip)
    form.setParent(sahip, form.windowFlags() | Qt::Dialog);
  const int sonuç = form.exec();
  // Not every window system hands the activation back when a modal form closes.
  if (FormYüklü<AnaForm>()) Form<AnaForm>().MDIForm_Activate();
  return sonuç;
}
