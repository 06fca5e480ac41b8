#include "KabukTestOrtami.h"
#include "OrtakYordamlarModulu.h"

#include <QListWidget>

namespace {

using OrtakYordamlarTesti = KabukTestOrtamı;
using namespace OrtakYordamlarModülü;

TEST_F(OrtakYordamlarTesti, ListedeAraTürkçeHarfleriKatlar) {
  QListWidget liste;
  liste.addItems({"ARMUT", "IŞIK", "İNCİR", "ıhlamur"});
  EXPECT_EQ(ListedeAra(&liste, "i"), 2);
  EXPECT_EQ(ListedeAra(&liste, "ı"), 1);
  EXPECT_EQ(ListedeAra(&liste, "IH"), 3);
  EXPECT_EQ(ListedeAra(&liste, "a"), 0);
  EXPECT_EQ(ListedeAra(&liste, "z"), -1);
}
}  // namespace
