#pragma once
// The shared fixture, with the program's global database open on its file.

#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "TestOrtami.h"

class KabukTestOrtamı : public TestOrtamı {
protected:
  void SetUp() override {
    TestOrtamı::SetUp();
    // As main sets them; the fixture's tear-down takes them away again.
    Veritabanı::Bildir = OrtakYordamlarModülü::KayıtBildirimi;
    İşlemİzleri::Söyle = OrtakYordamlarModülü::BekleyenİşiSöyle;
    İşlemİzleri::KoşuDosyasındaTut = true;
    Ortak::Veritabanı = Veritabanı::Aç(vt->Yol());
  }
  void TearDown() override {
    Ortak::Veritabanı.reset();
    Ortak::ExcelUygulaması = nullptr;
    TestOrtamı::TearDown();
  }
};
