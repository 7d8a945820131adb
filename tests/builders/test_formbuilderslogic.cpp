// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/formbuilderslogic.h"

#include <QtTest>

using namespace formbuilders;

Q_DECLARE_METATYPE(FormOptions)
Q_DECLARE_METATYPE(FormInputOptions)
Q_DECLARE_METATYPE(ListboxOptions)

namespace {

FormInputOptions input(InputKind kind, const QString &name)
{
    FormInputOptions o;
    o.kind = kind;
    o.name = name;
    return o;
}

} // namespace

class TestFormBuildersLogic : public QObject
{
    Q_OBJECT
private slots:
    void form_data()
    {
        QTest::addColumn<FormOptions>("options");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing") << FormOptions()
                                 << "<!-- Begin Form -->\r\n<FORM>\r\n\r\n\r\n"
                                    "</FORM>\r\n<!-- Form End -->\r\n";
        QTest::newRow("POST only") << FormOptions{{}, "POST", {}}
                                   << "<!-- Begin Form -->\r\n<FORM METHOD=POST>\r\n\r\n\r\n"
                                      "</FORM>\r\n<!-- Form End -->\r\n";
        QTest::newRow("all three, a typed quote as &quot;")
            << FormOptions{"/cgi-bin/mail.pl?a=\"b\"", "GET", "_blank"}
            << "<!-- Begin Form -->\r\n"
               "<FORM ACTION=\"/cgi-bin/mail.pl?a=&quot;b&quot;\" METHOD=GET TARGET=\"_blank\">\r\n"
               "\r\n\r\n</FORM>\r\n<!-- Form End -->\r\n";
    }
    void form()
    {
        QFETCH(FormOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(buildForm(options), expected);
    }

    void formInput_data()
    {
        QTest::addColumn<FormInputOptions>("options");
        QTest::addColumn<QString>("expected");

        FormInputOptions o = input(InputKind::Checkbox, "agree");
        o.value = "yes";
        o.checked = true;
        QTest::newRow("checkbox checked")
            << o << "<INPUT TYPE=\"CHECKBOX\" NAME=\"agree\" VALUE=\"yes\" CHECKED>";

        QTest::newRow("hidden without value")
            << input(InputKind::Hidden, "id") << "<INPUT TYPE=\"HIDDEN\" NAME=\"id\">";
        QTest::newRow("image, empty source still written")
            << input(InputKind::Image, "go") << "<INPUT TYPE=\"IMAGE\" NAME=\"go\" SRC=\"\">";
        o = input(InputKind::Image, "go");
        o.alignment = "MIDDLE";
        o.source = "go.gif";
        QTest::newRow("image aligned")
            << o << "<INPUT TYPE=\"IMAGE\" NAME=\"go\" ALIGN=MIDDLE SRC=\"go.gif\">";

        o = input(InputKind::Password, "pw");
        o.maxLength = "8";
        QTest::newRow("password without value")
            << o << "<INPUT TYPE=\"PASSWORD\" NAME=\"pw\" MAXLENGTH=\"8\">";
        o.width = "10";
        o.value = "x";
        QTest::newRow("password, all")
            << o << "<INPUT TYPE=\"PASSWORD\" NAME=\"pw\" SIZE=\"10\" MAXLENGTH=\"8\" VALUE=\"x\">";

        QTest::newRow("radio always has VALUE and a line break")
            << input(InputKind::Radio, "r") << "<INPUT TYPE=\"RADIO\" NAME=\"r\" VALUE=\"\">\r\n";
        o = input(InputKind::Radio, "size");
        o.value = "L";
        o.displayed = "Large";
        QTest::newRow("radio with text")
            << o << "<INPUT TYPE=\"RADIO\" NAME=\"size\" VALUE=\"L\">Large\r\n";

        o = input(InputKind::Submit, "s");
        o.value = "Send";
        QTest::newRow("submit labelled")
            << o << "<INPUT TYPE=\"SUBMIT\" NAME=\"s\" VALUE=\"Send\">";

        o = input(InputKind::Text, "q");
        o.width = "20";
        QTest::newRow("text q width 20") << o << "<INPUT TYPE=\"TEXT\" NAME=\"q\" SIZE=\"20\">";

        o = input(InputKind::Textbox, "note");
        o.value = "Hello there";
        QTest::newRow("textbox value on one line")
            << o << "<TEXTAREA NAME=\"note\">Hello there</TEXTAREA>";
        o.width = "40";
        o.height = "5";
        o.value.clear();
        QTest::newRow("textbox sized")
            << o << "<TEXTAREA NAME=\"note\" COLS=\"40\" ROWS=\"5\"></TEXTAREA>";
    }
    void formInput()
    {
        QFETCH(FormInputOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(buildFormInput(options), expected);
    }

    void listbox_data()
    {
        QTest::addColumn<ListboxOptions>("options");
        QTest::addColumn<QString>("expected");
        ListboxOptions o;
        o.name = "colour";
        o.rows = {{"Red", "r"}, {"Green", "g"}};
        QTest::newRow("two rows in grid order")
            << o
            << "<SELECT NAME=\"colour\" SIZE=\"1\">\r\n<OPTION VALUE=\"r\">Red\r\n"
               "<OPTION VALUE=\"g\">Green\r\n</SELECT>\r\n";
        o.size = "3";
        o.multiple = true;
        o.rows = {{"a", ""}};
        QTest::newRow("size and multiple")
            << o
            << "<SELECT NAME=\"colour\" SIZE=\"3\" MULTIPLE>\r\n<OPTION VALUE=\"\">a\r\n"
               "</SELECT>\r\n";
        o.name.clear();
        o.size.clear();
        o.multiple = false;
        QTest::newRow("no name, no size")
            << o << "<SELECT>\r\n<OPTION VALUE=\"\">a\r\n</SELECT>\r\n";
    }
    void listbox()
    {
        QFETCH(ListboxOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(buildListbox(options), expected);
    }
};

QTEST_APPLESS_MAIN(TestFormBuildersLogic)
#include "test_formbuilderslogic.moc"
