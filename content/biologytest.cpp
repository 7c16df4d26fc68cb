#include "content/biologytest.h"

using namespace Qt::StringLiterals;

namespace {

// Each row is a correct pair: left phrase k, right phrase k.
const QStringList leftPhrases = {
    u"артрит"_s,
    u"аневризма"_s,
    u"акне"_s,
    u"албинизъм"_s,
    u"абулия"_s,
    u"адипозитас "_s,
    u"ботулизъм"_s,
    u"дистония"_s,
    u"екзема"_s,
    u"метаболизъм "_s,
    u"метеоризъм"_s,
    u"тромбоза"_s,
    u"остеопороза"_s,
    u"салмонелоза"_s,
    u"хемороиди"_s,
    u"хипогликемия"_s,
    u"хипохондрия"_s,
    u"анеуплоидия"_s,
    u"тризомия"_s,
    u"хипертелоризъм"_s,
    u"лимфедема"_s,
    u"порфирия"_s,
    u"анорексия нервоза"_s,
    u"лордоза"_s,
    u"кифоза"_s,
    u"сколиоза"_s,
    u"малария"_s,
    u"себорея"_s,
    u"комедони"_s,
    u"сепсис"_s,
    u"флегмон"_s,
    u"биполярно разстройство"_s,
};

const QStringList rightPhrases = {
    u"поражение/възпаление на ставите"_s,
    u"патологично разширение на кръвоносен съд"_s,
    u"младежки пъпки"_s,
    u"розово-бяла кожа, която не потъмнява от слънцето, и сини или червени ириси на очите."_s,
    u"болестна липса или изразено намаляване на волята"_s,
    u"затлъстяване"_s,
    u"вид хранително отравяне"_s,
    u"състояние на ненормален тонус на мускули, съдове или тъкани"_s,
    u"зачервяване, сухота, сърбеж на кожата и промяна в пигментацията"_s,
    u"обмяната на веществата в организма"_s,
    u"образуване на газове"_s,
    u"образуване на съсиреци в кръвта."_s,
    u"заболяване, при което се намалява костното вещество. "_s,
    u"остро инфекциозно заболяване, хранителна токсикоинфекция"_s,
    u"образувания от разширени кръвоносни съдове"_s,
    u"недостатъчно количество глюкоза в кръвта"_s,
    u"състояние на понижено настроение, лесна раздразнителност"_s,
    u"геномна мутация"_s,
    u"наличието на излишна хромозома в някоя хомоложна двойка"_s,
    u"голямо между очно разстояние"_s,
    u"оток на гърба на стъпалата"_s,
    u"наследствено заболяване на черния дроб, не се произвежда достатъчно хемоглобин"_s,
    u"индексът на телесната маса става много нисък"_s,
    u"описване на извивка на гръбначния стълб в посока напред"_s,
    u"хиперизкривяването на гръбначните прешлени в гръдната/опашната област"_s,
    u"латералното (странично) изкривяване на гръбначния стълб"_s,
    u"заболяване причинено от вътреклетъчни паразити от род Plasmodium"_s,
    u"нарушено отделяне на мастна секреция на кожата"_s,
    u"често срещан козметичен проблем (черни точки) "_s,
    u"обща гнойна инфекция на организма"_s,
    u"остро гнойно възпаление на част от тялото"_s,
    u"променливо настроение и депресивни моменти"_s,
};

const QStringList instructionLines = {
    u"Това е релационен тест."_s,
    u"Трябва да се подберат всички правилни комбинация от двойки изрази от лявото и "_s,
    u"дясното списъчно поле."_s,
    u"Не е задължително броят фрази в лявата част да е непременно равен на тези в "_s,
    u"дясната част."_s,
    u"При оценяване се отчита броя въведени верни комбинации съотнесени към общия "_s,
    u"брой верни комбинации. Липсата на комбинация се отчита като грешен отговор"_s,
};

QString instructions()
{
    QString text;
    for (const QString &line : instructionLines)
        text += line + u"\r\n"_s;
    return text;
}

// Placeholder lists that no flag switches on: "Otgowor k", then k nineteen
// times, except that the last line of list 6 reads "5".
std::array<QStringList, TestDefinition::slotCount> explanations()
{
    std::array<QStringList, TestDefinition::slotCount> lists;
    for (int k = 1; k <= TestDefinition::slotCount; ++k) {
        QStringList &lines = lists[std::size_t(k - 1)];
        lines << u"Otgowor "_s + QString::number(k);
        for (int i = 1; i < 20; ++i)
            lines << QString::number(k);
    }
    lists[5].last() = u"5"_s;
    return lists;
}

QStringList flagList(const QString &header, int flags)
{
    QStringList list{header};
    for (int i = 0; i < flags; ++i)
        list << u"0"_s;
    return list;
}

TestDefinition build()
{
    TestDefinition test;
    test.titleAndLayout = {publisherAddress + u" Vomar по Биология - видове болести"_s,
                           u"11250"_s, u"20"_s, u"2835"_s, u"2960"_s, u"8075"_s};
    test.leftPhrases = leftPhrases;
    test.rightPhrases = rightPhrases;
    test.instructions = instructions();
    test.explanationFlags = flagList(u"Ima li obqsneniq"_s, 41);
    test.explanations = explanations();
    test.pictureFlags = flagList(u"Utochnenie dali ima grafika - 30 br"_s, 34);
    return test;
}

} // namespace

const TestDefinition &biologyTest()
{
    static const TestDefinition test = build();
    return test;
}
