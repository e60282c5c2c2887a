// The card pattern at work: a small vehicle form built from the shared card
// pieces (card base, number field, choice field), loaded from a real vehicle
// editor; the number field as a user types into it; a period's date pair
// under both order rules. The report list and its totals row are the trip
// sheet's lists' tests.

#include "platform/shell/host_services.h"
#include "module/card_factory.h"
#include "module/card_pattern/card_base.h"
#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/date_pair.h"
#include "module/card_pattern/number_field.h"
#include "module/catalogue.h"
#include "module/type_list_controllers.h"
#include "platform/contract/object_id.h"
#include "tests/support/module_host.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QTest>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

using testhost::ModuleFixture;

// A vehicle's name, length and type, as the module's cards are built.
class SampleVehicleCard final : public CardBase {
public:
    SampleVehicleCard()
    {
        setObjectName(QStringLiteral("frmSampleVehicle"));
        setWindowTitle(QStringLiteral("Automobilis"));
        txtName = new QLineEdit(this);
        txtLength = new NumberField(this);
        txtLength->setDecimals(2).setZeroWhenEmpty(true);
        txtType = new ChoiceField(this);
        txtType->setChoice(QStringLiteral("O4000607"), QStringLiteral("Pasirinkite tipą"), QStringLiteral("T"));
        auto* layout = new QVBoxLayout(this);
        for (QWidget* control : std::initializer_list<QWidget*>{txtName, txtLength, txtType})
            layout->addWidget(control);

        watch(txtName, &QLineEdit::textChanged);
        watch(txtLength, &QLineEdit::textChanged);
        watch(txtType, &ChoiceField::objectChanged);
    }

    using CardBase::runHandler;

    QLineEdit* txtName;
    NumberField* txtLength;
    ChoiceField* txtType;

protected:
    void loadForm() override
    {
        const vx::RecordFields fields = vxObjectUIO()->Fields();
        txtName->setText(Catalogue::TextOrEmpty(fields.value(QStringLiteral("Name"))));
        txtLength->setValue(Catalogue::DoubleOrZero(fields.value(QStringLiteral("CarLenth"))));
        txtType->showObject(vx::oid::make(u"O4000607", Catalogue::LongOrZero(fields.value(QStringLiteral("TypeID")))));
    }
};

void typeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void focus(QWidget* widget, QEvent::Type type, Qt::FocusReason reason = Qt::OtherFocusReason)
{
    QFocusEvent event(type, reason);
    QApplication::sendEvent(widget, &event);
}

class CardPattern : public ModuleFixture {
protected:
    void SetUp() override
    {
        ModuleFixture::SetUp();
        module::registerCard(QStringLiteral("frmSampleVehicle"), [] { return std::make_unique<SampleVehicleCard>(); });
    }

    // A vehicle of type "Vilkikas", and its sample card.
    std::unique_ptr<SampleVehicleCard> openVehicle()
    {
        type = create(QStringLiteral("O4000607"), fields({{"Name", QStringLiteral("Vilkikas")}}));
        car = create(QStringLiteral("O4000400"), fields({{"Name", QStringLiteral("Volvo")}, {"CarLenth", 4.5},
                                                         {"TypeID", vx::oid::recordNumber(type)}}));
        const vx::CardRef card =
            module::createCard(QStringLiteral("frmSampleVehicle"), controller<UI4000400>()->GetVxObject(car));
        return std::unique_ptr<SampleVehicleCard>(dynamic_cast<SampleVehicleCard*>(card.widget.data()));
    }

    QString type, car;
};

// Writing, the write button and closing with changes are the trip sheet card's tests.
TEST_F(CardPattern, ACardLoadsFromItsEditorAndNothingDoneWhileLoadingIsAChange)
{
    EXPECT_TRUE(module::createCard(QStringLiteral("frmNoSuchCard"), nullptr).isNull()) << "an unknown card is none";
    const auto card = openVehicle();
    ASSERT_TRUE(card);
    EXPECT_EQ(card->txtName->text(), QStringLiteral("Volvo"));
    EXPECT_EQ(card->txtLength->text(), QStringLiteral("4,50"));
    EXPECT_EQ(card->txtType->text(), QStringLiteral("Vilkikas"));
    EXPECT_EQ(card->txtType->objectId(), type);
    EXPECT_FALSE(card->isChanged());

    {
        SampleVehicleCard::LoadingGuard outer(*card);
        {
            SampleVehicleCard::LoadingGuard inner(*card);
            card->txtName->setText(QStringLiteral("A"));
        }
        card->txtLength->setText(QStringLiteral("5"));
        EXPECT_TRUE(card->isLoading()) << "until the outer guard ends";
    }
    EXPECT_FALSE(card->isLoading());
    EXPECT_FALSE(card->isChanged());
    card->txtLength->setText(QStringLiteral("6"));
    EXPECT_TRUE(card->isChanged());
}

TEST_F(CardPattern, AChosenObjectIsAChange)
{
    const auto card = openVehicle();
    const QString trailer = create(QStringLiteral("O4000607"), {{QStringLiteral("Name"), QStringLiteral("Priekaba")}});
    factory->selectors.script->key = QStringLiteral("O4000600") + trailer;
    factory->selectors.script->caption = QStringLiteral("Priekaba");

    EXPECT_EQ(card->txtType->choose(), trailer);
    EXPECT_EQ(card->txtType->text(), QStringLiteral("Priekaba"));
    EXPECT_EQ(card->txtType->recordNumber(), vx::oid::recordNumber(trailer));
    EXPECT_TRUE(card->isChanged());
    EXPECT_TRUE(factory->selectors.script->setup.contains(QStringLiteral("Kind=T")));

    // Another id behind the same name is still another object.
    card->txtType->showObject(type);
    card->setChanged(false);
    Catalogue::SetTag(card->txtType, trailer);
    EXPECT_EQ(card->txtType->text(), QStringLiteral("Vilkikas"));
    EXPECT_TRUE(card->isChanged());
}

TEST_F(CardPattern, AFailingHandlerIsReportedOnceAndAConversionErrorEndsItQuietly)
{
    const auto card = openVehicle();
    EXPECT_FALSE(card->runHandler([] { throw std::runtime_error("Nepavyko."); }));
    EXPECT_FALSE(card->runHandler(
        [&] { card->vxObjectUIO()->Fields().setValue(QStringLiteral("CarLenth"), QStringLiteral("ilgas")); }));
    EXPECT_TRUE(card->runHandler([] {}));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("Nepavyko."));
    EXPECT_EQ(messages.messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(messages.messages[0].title, shell::HostServices::productName);
}

TEST(NumberField, TypingKeepsANumberAndLeavingNormalisesIt)
{
    struct Case { int decimals; bool allowMinus, zeroWhenEmpty; QString typed, whileTyping, afterLeaving; };
    const QList<Case> cases = {
        {2, false, false, QStringLiteral("12.5"), QStringLiteral("12,5"), QStringLiteral("12,50")},
        {2, false, false, QStringLiteral("1,2,3"), QStringLiteral("1,23"), QStringLiteral("1,23")},
        {2, false, false, QStringLiteral("-7ą x"), QStringLiteral("7"), QStringLiteral("7,00")},
        {2, true, false, QStringLiteral("-7"), QStringLiteral("-7"), QStringLiteral("-7,00")},
        {0, false, false, QStringLiteral("3.9"), QStringLiteral("39"), QStringLiteral("39")},
        {-1, false, false, QStringLiteral("2.500"), QStringLiteral("2,500"), QStringLiteral("2,5")},
        {3, false, true, QString(), QString(), QStringLiteral("0,000")},
        {3, false, false, QString(), QString(), QString()},
        {2, true, false, QStringLiteral("-"), QStringLiteral("-"), QString()},
    };
    for (const Case& c : cases) {
        NumberField field;
        field.setDecimals(c.decimals).setAllowMinus(c.allowMinus).setZeroWhenEmpty(c.zeroWhenEmpty);
        typeText(&field, c.typed);
        EXPECT_EQ(field.text(), c.whileTyping) << c.typed.toStdString();
        focus(&field, QEvent::FocusOut, Qt::TabFocusReason);
        EXPECT_EQ(field.text(), c.afterLeaving) << c.typed.toStdString();
    }
}

TEST(NumberField, EditingKeysStillWorkAPopupIsNoLeavingAndFocusSelectsAll)
{
    NumberField field;
    field.setDecimals(2);
    QTest::keyClicks(&field, QStringLiteral("125"));
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClick(&field, Qt::Key_Left);
    QTest::keyClick(&field, Qt::Key_Period);
    EXPECT_EQ(field.text(), QStringLiteral("1,2"));
    focus(&field, QEvent::FocusOut, Qt::PopupFocusReason);
    EXPECT_EQ(field.text(), QStringLiteral("1,2"));
    field.setValue(3.14159);
    EXPECT_EQ(field.text(), QStringLiteral("3,14"));
    EXPECT_DOUBLE_EQ(field.value(), 3.14);

    // Focus selects the whole text, so typing replaces the number.
    field.setCursorPosition(2);
    focus(&field, QEvent::FocusIn);
    EXPECT_EQ(field.selectedText(), QStringLiteral("3,14"));
    QTest::keyClicks(&field, QStringLiteral("8"));
    EXPECT_EQ(field.text(), QStringLiteral("8"));
}

TEST(DatePair, DatesKeepTheirOrderByTheFormsRuleAndAClearedBoxTakesTheEndAway)
{
    using Rule = DatePair::EarlyEnd;
    using WithoutEnd = DatePair::WithoutEnd;
    const QDate day(2026, 11, 2);
    struct Case {
        const char* what;
        Rule rule;
        WithoutEnd withoutEnd;
        bool movesStart; // else the end is moved
        int by;          // days from `day`
        int start, end;  // days from `day` afterwards
    } cases[] = {
        {"a start past the end takes the end along", Rule::TakesStart, WithoutEnd::DisablesPicker, true, 5, 5, 5},
        {"an end before the start moves the start back", Rule::MovesStart, WithoutEnd::HidesPicker, false, -2, -2, -2},
        {"an end before the start is set to the start", Rule::TakesStart, WithoutEnd::DisablesPicker, false, -2, 0, 0},
        {"an end after the start stays", Rule::TakesStart, WithoutEnd::HidesPicker, false, 3, 0, 3},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        QWidget form;
        auto* start = new QDateEdit(&form);
        auto* hasEnd = new QCheckBox(&form);
        auto* end = new QDateEdit(&form);
        DatePair dates(start, hasEnd, end, test.rule, test.withoutEnd);
        int edits = 0;
        QObject::connect(&dates, &DatePair::edited, [&edits] { ++edits; });
        // Loading an end before the start shows it as stored: no rule, no edit.
        dates.load(day, QVariant(day.addDays(-9)), day);
        EXPECT_EQ(dates.start(), day);
        EXPECT_EQ(dates.end(), day.addDays(-9));
        dates.load(day, QVariant(), day);
        EXPECT_EQ(edits, 0);
        EXPECT_FALSE(dates.hasEnd());
        const auto endShown = [&] {
            return test.withoutEnd == WithoutEnd::HidesPicker ? !end->isHidden() : end->isEnabled();
        };
        EXPECT_FALSE(endShown());
        hasEnd->click();
        EXPECT_TRUE(dates.hasEnd() && endShown());
        (test.movesStart ? start : end)->setDate(day.addDays(test.by));
        EXPECT_EQ(dates.start(), day.addDays(test.start));
        EXPECT_EQ(dates.end(), day.addDays(test.end));
        EXPECT_GE(edits, 2);
    }
}

} // namespace
