// The text converter writes the code page byte for byte and refuses to lose a letter.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Conversion {
  int exitCode;
  QByteArray output;  // the written file
  QByteArray errors;
};

Conversion Convert(const char* codePage, const QByteArray& source) {
  QTemporaryDir dir;
  const QString in = dir.filePath(QStringLiteral("in.txt"));
  const QString out = dir.filePath(QStringLiteral("sub/out.txt"));
  QFile file(in);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(source);
  file.close();
  QProcess process;
  process.start(QStringLiteral(TESS_DEMO_TEXT), {QString::fromLatin1(codePage), in, out});
  EXPECT_TRUE(process.waitForFinished(10000));
  QFile written(out);
  QByteArray bytes;
  if (written.open(QIODevice::ReadOnly)) bytes = written.readAll();
  return {process.exitCode(), bytes, process.readAllStandardError()};
}

TEST(DemoText, WritesTheCodePageWithCrLf) {
  struct Case {
    const char* name;
    const char* codePage;
    QByteArray source;
    QByteArray expected;
  };
  const Case cases[] = {
      {"polish", "cp1250", "1=a=Zażółć gęślą jaźń=\n2=b=Ł=\n",
       "1=a=Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1=\r\n2=b=\xa3=\r\n"},
      {"russian", "cp1251", "1=a=Приём=", "1=a=\xcf\xf0\xe8\xb8\xec=\r\n"},
      {"crlf source and bom", "cp1250", "\xef\xbb\xbfx\r\n\r\ny\r\n", "x\r\n\r\ny\r\n"},
      {"literal question mark", "cp1250", "Co?\n", "Co?\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Conversion run = Convert(c.codePage, c.source);
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.output, c.expected);
  }
}

TEST(DemoText, FailsOnACharacterTheCodePageLacks) {
  struct Case {
    const char* name;
    const char* codePage;
    QByteArray source;
  };
  const Case cases[] = {
      {"cyrillic in cp1250", "cp1250", "1=a=ok=\n2=b=Жук=\n"},
      {"polish in cp1251", "cp1251", "ł"},
      {"outside the BMP", "cp1250", "\xf0\x9f\x99\x82"},
      {"not UTF-8", "cp1250", "\xb3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Conversion run = Convert(c.codePage, c.source);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_FALSE(run.errors.isEmpty());
    EXPECT_TRUE(run.output.isEmpty()) << "nothing is written";
  }
  EXPECT_TRUE(Convert("cp1250", "1=a=ok=\n2=b=Жук=\n").errors.contains(":2:5:"))
      << "the message points at the line and column";
}

}  // namespace
