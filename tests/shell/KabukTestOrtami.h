#pragma once
// The shared fixture, with the program's global database open on its file.

#include "OrtakDegiskenlerModulu.h"
#include "TestOrtami.h"

class KabukTestOrtamı : public TestOrtamı {
protected:
  void SetUp() override {
    TestOrtamı::SetUp();
    Ortak::Veritabanı = Veritabanı::Aç(vt->Yol());
  }
  void TearDown() override {
    Ortak::Veritabanı.reset();
    Ortak::ExcelUygulaması = nullptr;
    TestOrtamı::TearDown();
  }
};
