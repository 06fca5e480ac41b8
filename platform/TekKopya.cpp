#include "TekKopya.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
constexpr int BeklemeMs = 1000;
const QByteArray Göster = "goster\n";
}  // namespace

QString TekKopya::AnahtarEki;

QString TekKopya::Anahtar(const QString& başlık) {
  // The socket name carries the user, so copies of other users do not meet.
  const QByteArray anahtar = (başlık + u'|' + qEnvironmentVariable("USER")).toUtf8();
  return QStringLiteral("velmora-") +
         QString::fromLatin1(QCryptographicHash::hash(anahtar, QCryptographicHash::Sha1).toHex().left(16)) +
         AnahtarEki;
}

TekKopya::TekKopya(const QString& başlık) : ad_(Anahtar(başlık)) {}

TekKopya::~TekKopya() = default;

bool TekKopya::BaşkaKopyayıUyandır() {
  QLocalSocket soket;
  soket.connectToServer(ad_);
  if (!soket.waitForConnected(BeklemeMs)) return false;
  soket.write(Göster);
  soket.waitForBytesWritten(BeklemeMs);
  soket.disconnectFromServer();
  return true;
}

bool TekKopya::Dinle(std::function<void()> göster) {
  sunucu_ = std::make_unique<QLocalServer>();
  sunucu_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!sunucu_->listen(ad_)) {
    // A socket left behind by a copy that crashed.
    QLocalServer::removeServer(ad_);
    if (!sunucu_->listen(ad_)) return false;
  }
  QObject::connect(sunucu_.get(), &QLocalServer::newConnection, sunucu_.get(), [this, göster] {
    while (QLocalSocket* s = sunucu_->nextPendingConnection()) {
      QObject::connect(s, &QLocalSocket::readyRead, s, [s, göster] {
        if (s->readAll().contains("goster")) göster();
      });
      QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
    }
  });
  return true;
}
