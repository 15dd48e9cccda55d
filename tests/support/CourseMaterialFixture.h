#pragma once
// A small English course installation written out as literal cp1250 bytes: two groups, two
// texts with five exercises (one of a text the catalogue lacks), two comprehension exercises,
// three sentences in two packages and two conversations.
#include <string>

#include "core/Installation.h"
#include "support/TempFolder.h"

namespace tess::testing {

class CourseMaterialFolder {
 public:
  CourseMaterialFolder() {
    Write("ss_r.t", "don't=do not=\r\n");
    Write("gra.txt",
          "1=x=Listening=H\xF6ren=S\xB3uchanie=Podstawy=\r\n"
          "2=x=Travel=Reisen=Podr\xF3\xBF"
          "e=Podr\xF3\xBF"
          "e i zakupy=\r\n");
    Write("rozumienie_a.txt",
          "/ numer=poziom=grupa=de=en=pl=\r\n"
          "7=2=1=Text DE=Text EN=Tekst PL=\r\n"
          "3=1=2=" +
              std::string(150, 'D') + "=Dog=Pies=\r\n");
    Write("St_a.txt",
          "x#3#tlo#de#pl#en#\r\nMC#q#\r\n=========\r\n"
          "x#7#tlo#de#pl#en#\r\nTF#q#\r\n=========\r\n"
          "/ comment\r\n"
          "x#07#tlo#de#pl#en#\r\nMC#q#\r\n=========\r\n"
          "x#3#tlo#de#pl#en#\r\nWP#q#\r\n=========\r\n"
          "x#9#tlo#de#pl#en#\r\nDD#q#\r\n=========\r\n");
    Write("kurs_cwicz.kdx",
          "* katalog\r\n"
          "KDX_AB0102\r\nl2\r\nSklep=Laden=Shop=\r\ni1=\r\n----\r\n"
          "*\r\n"
          "KDX_BB0301\r\nl2\r\nDom=Haus=House=\r\ni1=\r\n----\r\n");
    Write("rozum_pig.txt", "i1=snd=Kot.=A cat.=cat=dog=cow=\r\n");
    Write("zda_rozum.txt",
          "10501abcdefghijkOne.=====x=y=Jeden.=\r\n"
          "21002abcdefghijkTwo.=====x=y=Dwa.=\r\n"
          "10501abcdefghijkThree.=====x=y=Trzy.=\r\n");
    Write("dialogi.txt",
          "bg01=Rozmowa=Talk=Gespr\xE4"
          "ch=1=3=TTFFT=1=\r\n"
          "s1=1=Anna: Hi.=Cze\x9C\xE6.=\r\n"
          "*\r\n"
          "bg02=R2=T2=G2=2=4=FT=0=\r\n"
          "s1=1=A: x=y=\r\n"
          "*\r\n");
  }

  std::string ProgramDir() const { return folder_.path() + "/"; }
  std::string operator/(std::string_view name) const { return folder_ / name; }
  void Write(std::string_view name, std::string_view bytes) const {
    WriteBytes(folder_ / name, bytes);
  }
  void Remove(std::string_view name) const { std::filesystem::remove(folder_ / name); }

  CourseInstallation Installation() const {
    CourseInstallation install;
    install.ProgramDir = ProgramDir();
    install.MediaDir = ProgramDir() + "Hdd\\";
    install.RecordingsDir = install.MediaDir + "bsgram\\";
    return install;
  }

 private:
  TempFolder folder_;
};

}  // namespace tess::testing
