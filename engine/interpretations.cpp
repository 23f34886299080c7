#include "interpretations.h"

#include <array>
#include <stdexcept>
#include <string>

// Marks a text for the translators: Qt's lupdate finds the texts by this
// name, and the layer above translates them. Here it is the text itself.
#define QT_TRANSLATE_NOOP(context, text) text

namespace amorix {
namespace {

constexpr std::array<std::string_view, 9> kPersonal = {
    // 1
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "You tend to show off your partners to your friends. You are persistent and forceful "
                      "when you set out to win a partner, and you rarely give up. You are fun and exciting "
                      "company, and you give your partner no rest at all."),
    // 2
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "You will find it difficult to remain in any relationship. It is hard for you to find "
                      "the right person and even harder to settle down with one. Yet love and romance matter "
                      "a great deal to you, and you spend many hours in fantasy about the partners that the "
                      "future may bring to you."),
    // 3
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "You will be the dominating half in your relationship. You believe in a solid commitment "
                      "and you want a partner who listens to you and shares both your happiness and your grief. "
                      "You find it hard to speak first about your feelings, so let your partner know what is in "
                      "your heart."),
    // 4
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "You will be very serious about your relationships. You are the kind of person who marries "
                      "a high-school sweetheart. You should be more forthcoming in your search for love. You are "
                      "dependable and loyal to your partner, and you expect the very same loyalty in return."),
    // 5
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "You are very jovial and happy by nature. You love to please your partner and to keep them "
                      "happy, and you are lucky in love. But you may break a heart without a second thought, "
                      "because you take life as one long party and you don't always see the hurt you leave "
                      "behind you."),
    // 6
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "You cannot be mushy and romantic. You are polite and quiet, and looks matter a lot to you. "
                      "You want attractive partners, because you see them as a reflection of yourself. Your "
                      "reputation matters to you, and you choose your partner with care."),
    // 7
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "You will be loving and romantic. You pamper your partner with roses and gifts, and you are "
                      "an understanding partner. But take care not to appear aloof or stuffy to your loved one."),
    // 8
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "You will be generous and loving. You love wholeheartedly and you take your relationship "
                      "seriously. You treat your partners to the finest things that you can afford, and you "
                      "enjoy seeing them happy with you."),
    // 9
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "You will go all out to conquer your partner's heart. You have a big ego, but you are "
                      "lovable all the same. You will have many relationships before you find your true love."),
};

constexpr std::array<std::string_view, 9> kLove = {
    // 1
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "You may have many arguments but you will stick to each other through the worst phases of "
                      "your life. Others may envy your loyalty and try to break you up. Stand up for each other, "
                      "hold no grudges and learn to forgive, and your bond will only grow stronger over the years."),
    // 2
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "People will think that you both are the perfect couple. But a lasting relationship needs a "
                      "strong foundation, and yours will need compromise and adjustment from both of you. Talk your "
                      "problems out before they grow too big to handle. With much love and understanding on both "
                      "sides, you can truly become the perfect couple that others see in you."),
    // 3
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "You both tend to spend too much of money on shopping. Your life together is full of drama "
                      "and activity. You love socializing, and life is a never-ending party for the two of you. "
                      "But take care that you do not end up in debt, or the party may end sooner than you think."),
    // 4
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "This combination will be based on love and security. You have a good mutual understanding. "
                      "Your different natures may cause anger at times, but both of you will work hard to make "
                      "this relationship last for a lifetime."),
    // 5
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "This relationship is based on absolute fun and frolic. You will discover new things, new "
                      "interests and new hobbies together. This keeps your relationship fresh and exciting, and "
                      "the excitement will last through the years."),
    // 6
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "This relationship has all the excitement of a storybook romance. There are many changes "
                      "ahead of you, but you are made for each other. Others see your relationship as an ideal "
                      "match, and it is one that will last for many years."),
    // 7
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "Pleasure and affluence are ready to be showered in your lives. Do not make decisions for "
                      "your partner; instead, try to match your thoughts and feelings. Ups and downs belong to "
                      "life, so do not let them shake you. Your friends will be your support in hard times. Keep "
                      "trying new things in your married life, and your love will stay young."),
    // 8
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "You are quite attuned to each other and one of the best matches. Your relationship has "
                      "stability and understanding. Together you will learn to appreciate the finer things in "
                      "life, hand in hand."),
    // 9: the only text with typographic apostrophes (U+2019)
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "There are possible difficulties because of your different temperaments. But a little "
                      "effort from both of you makes it work. Your relationship lasts if each of you respects the "
                      "other\u2019s solitude, and it doesn\u2019t mean losing your times of togetherness. With care, "
                      "the bond won\u2019t break."),
};

constexpr std::string_view kSignificance =
    QT_TRANSLATE_NOOP("amorix::Interpretations",
                      "This number shows the positive and negative traits of your personality, your hidden "
                      "talents and your future romance.");

std::string_view lookup(const std::array<std::string_view, 9>& table, int number)
{
    if (number < 1 || number > 9)
        throw std::out_of_range("no interpretation for number " + std::to_string(number));
    return table[static_cast<std::size_t>(number - 1)];
}

} // namespace

std::string_view personalInterpretation(int birthNumber) { return lookup(kPersonal, birthNumber); }
std::string_view loveInterpretation(int loveNumber) { return lookup(kLove, loveNumber); }
std::string_view significanceText() { return kSignificance; }

} // namespace amorix
