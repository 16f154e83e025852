#include "texts.hpp"

#include <array>
#include <cctype>
#include <sstream>
#include <vector>

namespace halvorin::material {

namespace {

template <typename T, size_t N>
const T& pick(Random& r, const std::array<T, N>& a) {
  return a[static_cast<size_t>(r.random(static_cast<int>(N)))];
}

// Names are kept free of apostrophes: a single quotation mark would otherwise begin a
// situation's quotation too early.
const std::array<const char*, 24> kMen = {
    "Peter",   "John",      "Paul",     "Barnabas", "Silas",     "Stephen", "Philip", "James",
    "Ananias", "Cornelius", "Apollos",  "Aquila",   "Timothy",   "Agabus",  "Saul",   "Mark",
    "Festus",  "Felix",     "Gamaliel", "Crispus",  "Sosthenes", "Jason",   "Aeneas", "Matthias"};
const std::array<const char*, 16> kOthers = {
    "the apostles",  "the elders",      "the crowd",   "the jailer",
    "the centurion", "the high priest", "the council", "the believers",
    "Lydia",         "Priscilla",       "Tabitha",     "King Agrippa",
    "the governor",  "Sergius Paulus",  "Rhoda",       "the Ethiopian official"};
const std::array<const char*, 28> kPlaces = {
    "Jerusalem", "Samaria", "Judea",   "Antioch",  "Damascus",     "Joppa",    "Caesarea",
    "Lystra",    "Derbe",   "Iconium", "Philippi", "Thessalonica", "Berea",    "Athens",
    "Corinth",   "Ephesus", "Troas",   "Miletus",  "Tyre",         "Malta",    "Rome",
    "Cyprus",    "Tarsus",  "Galilee", "Lydda",    "Perga",        "Seleucia", "Puteoli"};
const std::array<const char*, 18> kThings = {"the Holy Spirit",
                                             "the word of God",
                                             "a sheet full of animals",
                                             "tongues of fire",
                                             "bread",
                                             "the kingdom of God",
                                             "signs and wonders",
                                             "the law of Moses",
                                             "the name of Jesus",
                                             "a great earthquake",
                                             "a light from heaven",
                                             "chains",
                                             "a viper",
                                             "the Scriptures",
                                             "the resurrection of the dead",
                                             "a large basket",
                                             "scrolls of sorcery",
                                             "the gift of God"};
const std::array<const char*, 12> kTimes = {
    "On the Sabbath", "At the ninth hour",       "After three days",  "During the night",
    "At midnight",    "On the day of Pentecost", "After forty days",  "At daybreak",
    "The next day",   "After many days",         "At the sixth hour", "After two years"};
const std::array<const char*, 10> kReasons = {
    "Because of the persecution",    "Because they were afraid",
    "To strengthen the disciples",   "To preach the gospel",
    "Because the Spirit sent him",   "To keep the feast",
    "Because of a vision",           "To bring relief to the brothers",
    "Because of a plot against him", "To report what God had done"};
const std::array<const char*, 8> kManners = {"By the power of the Holy Spirit",
                                             "In the name of Jesus",
                                             "With great boldness",
                                             "Through prayer",
                                             "By laying on of hands",
                                             "With one accord",
                                             "With many tears",
                                             "By faith in his name"};
const std::array<const char*, 6> kDays = {"Three days", "Seven days", "Many days",
                                          "Forty days", "Two years",  "Some days"};
const std::array<const char*, 10> kNumbers = {"Two",
                                              "Three",
                                              "Seven",
                                              "Twelve",
                                              "Forty",
                                              "Seventy",
                                              "About three thousand",
                                              "About five thousand",
                                              "One hundred twenty",
                                              "Four hundred"};

struct Action {
  const char* past;
  const char* base;
};
const std::array<Action, 22> kActions = {{
    {"preached the word", "preach the word"},
    {"healed a lame man", "heal a lame man"},
    {"saw a vision", "see a vision"},
    {"spoke boldly", "speak boldly"},
    {"prayed on the housetop", "pray on the housetop"},
    {"baptized the new believers", "baptize the new believers"},
    {"laid hands on the disciples", "lay hands on the disciples"},
    {"sold a field", "sell a field"},
    {"raised Tabitha from the dead", "raise Tabitha from the dead"},
    {"reasoned with the Jews in the synagogue", "reason with the Jews in the synagogue"},
    {"wrote a letter to the churches", "write a letter to the churches"},
    {"received the Holy Spirit", "receive the Holy Spirit"},
    {"shook the dust off his feet", "shake the dust off his feet"},
    {"brought the money to the apostles", "bring the money to the apostles"},
    {"stood before the council", "stand before the council"},
    {"stayed many days", "stay many days"},
    {"set sail", "set sail"},
    {"fell into a trance", "fall into a trance"},
    {"strengthened the churches", "strengthen the churches"},
    {"appointed elders", "appoint elders"},
    {"went up to the temple to pray", "go up to the temple to pray"},
    {"gave thanks and broke bread", "give thanks and break bread"},
}};

// A question frame: its text with placeholders and the kind of answer it wants.
// {P} a man, {Q} another person, {L} a place, {T} a thing, {V} a past action, {B} its base.
struct Frame {
  int weight;
  const char* text;
  // p person, l place, g place gone to, t thing, w time, d days, y yes or no, r reason,
  // m manner, n number, q quotation
  char answer;
};

// Frames opening with each of the interrogative openings.
const std::array<Frame, 49> kInterrogative = {{
    {3, "Is it true that {P} {V} in {L}?", 'y'},
    {2, "Are we told who {V} in {L}?", 'y'},
    {2, "Can you name the one who {V}?", 'p'},
    {4, "Did {P} {B} in {L}?", 'y'},
    {12, "Who {V} in {L}?", 'p'},
    {6, "Who {V}?", 'p'},
    {2, "Who, besides {P}, {V}?", 'p'},
    {5, "Why did {P} go to {L}?", 'r'},
    {3, "Why did {P} {B}?", 'r'},
    {4, "How did {P} {B}?", 'm'},
    {2, "How many days did {P} stay in {L}?", 'd'},
    {1, "How many believers were added in {L}?", 'n'},
    {10, "What did {P} see in {L}?", 't'},
    {6, "What did {Q} give to {P}?", 't'},
    {2, "What, then, did {P} say to {Q}?", 'q'},
    {4, "Whom did {P} meet in {L}?", 'p'},
    {2, "Will {P} return to {L}?", 'y'},
    {5, "When did {P} {B}?", 'w'},
    {6, "Where did {P} {B}?", 'l'},
    {3, "Which city did {P} visit after {L}?", 'l'},
    {3, "Which disciple {V}?", 'p'},
    {2, "Whose house did {P} stay at in {L}?", 'p'},
    {3, "In what city did {P} {B}?", 'l'},
    {1, "In whose name did {P} {B}?", 'm'},
    {2, "Of what were the apostles accused in {L}?", 't'},
    {1, "Of whom did {P} speak in {L}?", 'p'},
    {2, "On what day did {P} {B}?", 'w'},
    {2, "At what hour did {P} {B}?", 'w'},
    {3, "To whom did {P} speak in {L}?", 'p'},
    {1, "To what place did {P} send {Q}?", 'l'},
    {1, "Off which coast did the ship sail near {L}?", 'l'},
    {2, "Before whom did {P} stand in {L}?", 'p'},
    {2, "By what power did {P} {B}?", 'm'},
    {2, "For what reason did {P} leave {L}?", 'r'},
    {2, "Do you know who {V} in {L}?", 'p'},
    {2, "From where did {P} come to {L}?", 'l'},
    {1, "From whom did {P} receive {T}?", 'p'},
    {2, "Into which city did {P} go after leaving {L}?", 'l'},
    {1, "Over which church did {P} watch in {L}?", 'l'},
    {2, "Upon whom did the Holy Spirit fall in {L}?", 'p'},
    {3, "With whom did {P} travel to {L}?", 'p'},
    {2, "About what did {P} argue with {Q}?", 't'},
    {1, "Among whom did {P} stay in {L}?", 'p'},
    {1, "Under which ruler did {P} {B}?", 'p'},
    {1, "Across which sea did {P} sail to {L}?", 'l'},
    {1, "During which feast did {P} {B}?", 'w'},
    {1, "Against whom did {P} speak in {L}?", 'p'},
    {1, "Through which region did {P} travel to {L}?", 'l'},
    {1, "Through what did {P} {B}?", 'm'},
}};

// Frames that begin like an interrogative but are not counted as one.
const std::array<Frame, 28> kLookalike = {{
    {1, "What I have I give to you: who said this?", 'p'},
    {1, "When I had returned to Jerusalem, what happened to {P}?", 'm'},
    {1, "When a great famine came, what did the disciples in {L} send?", 't'},
    {1, "How true it is that God shows no partiality: who said this?", 'p'},
    {1, "What God has cleansed, what must {P} not call common?", 't'},
    {1, "When this sound was heard, what did the crowd do?", 'm'},
    {1, "When he had said this, where did {P} go?", 'g'},
    {1, "When his friends heard, what did {P} do?", 'm'},
    {1, "When God raised up his servant, to whom did he send him first?", 'p'},
    {1, "What seemed good to the Holy Spirit and to the apostles in {L}?", 't'},
    {1, "When Apollos wanted to cross to Achaia, who wrote to the disciples?", 'p'},
    {1, "When Barnabas came to {L}, what did he see?", 't'},
    {1, "When Priscilla and Aquila heard him, what did they do?", 'm'},
    {1, "When daylight came, what did the sailors see?", 't'},
    {1, "When neither sun nor stars appeared, what did the men do?", 'm'},
    {1, "When Jacob heard that there was grain in Egypt, whom did he send?", 'p'},
    {1, "When Silas and Timothy came from Macedonia, what did {P} do?", 'm'},
    {1, "When they heard this, what did they do in {L}?", 'm'},
    {1, "When Paul had laid his hands on them, what came upon them?", 't'},
    {1, "When Saul came to {L}, whom did he try to join?", 'p'},
    {2, "When the crowd saw what {P} had done, what did they shout?", 'q'},
    {1, "When two years had passed, who succeeded Felix?", 'p'},
    {1, "When she had been baptized, what did Lydia ask?", 'q'},
    {1, "When our days there were ended, where did we go?", 'g'},
    {1, "When all the people saw it, what did they do?", 'm'},
    {1, "When we had finished the voyage from Tyre, where did we arrive?", 'l'},
    {1, "When Moses saw the burning bush, what did he do?", 'm'},
    {1, "When Godly men buried Stephen, what did they do?", 'm'},
}};

// Frames with other openings.
const std::array<Frame, 18> kOtherOpenings = {{
    {3, "According to {P}, who {V}?", 'p'},
    {2, "Name the city where {P} {V}.", 'l'},
    {1, "Name two people who {V}.", 'p'},
    {2, "Complete this: {P} said to {Q}, ...", 'q'},
    {2, "Besides {P}, who {V}?", 'p'},
    {2, "After leaving {L}, where did {P} go?", 'g'},
    {1, "Give the name of the man who {V}.", 'p'},
    {1, "Describe what {P} saw in {L}.", 't'},
    {1, "Quote what {P} said to {Q}.", 'q'},
    {1, "Because of {T}, what did {P} do?", 'm'},
    {1, "Explain why {P} went to {L}.", 'r'},
    {1, "For three months, where did {P} speak boldly?", 'l'},
    {1, "In this chapter, who {V}?", 'p'},
    {1, "At first, who {V}?", 'p'},
    {1, "Whoever calls on the name of the Lord shall be what?", 't'},
    {1, "Whatever the council decided, what did {P} do?", 'm'},
    {1, "Together with {Q}, who {V}?", 'p'},
    {1, "Finish the prayer of the believers in {L}.", 'q'},
}};

const std::array<const char*, 9> kExtras = {
    "and great fear came upon all the church",
    "and the word of the Lord spread through the whole region",
    "praising God and having favor with all the people",
    "and many believed in the Lord",
    "and they were all filled with the Holy Spirit",
    "and the churches were strengthened in the faith",
    "and they continued steadfastly in prayer",
    "and there was great joy in that city",
    "and the number of the disciples multiplied greatly"};
const std::array<const char*, 6> kGroups = {"they",       "the disciples", "all the believers",
                                            "the people", "the brothers",  "the apostles"};

template <size_t N>
const Frame& pick_frame(Random& r, const std::array<Frame, N>& frames) {
  int total = 0;
  for (auto& f : frames) total += f.weight;
  int k = r.random(total);
  for (auto& f : frames) {
    if (k < f.weight) return f;
    k -= f.weight;
  }
  return frames[0];
}

// Fills the placeholders; every placeholder draws anew except that one text keeps one man,
// one other person, one place and one action.
std::string fill(Random& r, const std::string& text) {
  const std::string man = pick(r, kMen);
  const std::string other = pick(r, kOthers);
  std::string place = pick(r, kPlaces);
  const Action& act = pick(r, kActions);
  const std::string thing = pick(r, kThings);
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '{' && i + 2 < text.size() && text[i + 2] == '}') {
      switch (text[i + 1]) {
        case 'P':
          out += man;
          break;
        case 'Q':
          out += other;
          break;
        case 'L':
          out += place;
          break;
        case 'V':
          out += act.past;
          break;
        case 'B':
          out += act.base;
          break;
        case 'T':
          out += thing;
          break;
        default:
          out += text.substr(i, 3);
          break;
      }
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::vector<std::string> words_of(const std::string& s) {
  std::vector<std::string> w;
  std::istringstream in(s);
  for (std::string x; in >> x;) w.push_back(x);
  return w;
}

std::string join(const std::vector<std::string>& w, size_t from, size_t to) {
  std::string s;
  for (size_t i = from; i < to && i < w.size(); ++i) s += (s.empty() ? "" : " ") + w[i];
  return s;
}

std::string capitalised(std::string s) {
  if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
  return s;
}

std::string lowered(std::string s) {
  if (!s.empty()) s[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(s[0])));
  return s;
}

std::string clause(Random& r) {
  std::string subject = r.random(2) ? pick(r, kMen) : pick(r, kGroups);
  return subject + " " + pick(r, kActions).past;
}

std::string answer(Random& r, char kind) {
  switch (kind) {
    case 'p':
      return capitalised(r.random(3) ? pick(r, kMen) : pick(r, kOthers));
    case 'l':
      return pick(r, kPlaces);
    case 'g': {
      // One draw after the other, in a fixed order: the operands of + are not sequenced.
      const std::string place = pick(r, kPlaces);
      return (r.random(2) ? "" : "To ") + place;
    }
    case 'd':
      return pick(r, kDays);
    case 't': {
      std::string t = pick(r, kThings);
      t[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(t[0])));
      return t;
    }
    case 'w':
      return pick(r, kTimes);
    case 'y':
      return r.random(3) ? "Yes" : "No, " + clause(r);
    case 'r':
      return pick(r, kReasons);
    case 'm':
      return pick(r, kManners);
    case 'n':
      return pick(r, kNumbers);
    default: {
      std::string c = clause(r);
      c[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(c[0])));
      return "\"" + c + ".\"";
    }
  }
}

// Each draw is a statement of its own, in the order the sets have always been made: the operands
// of + are not sequenced, and compilers order them differently.
std::string sentence(Random& r) {
  switch (r.random(5)) {
    case 0: {
      const std::string c = clause(r);
      return capitalised(fill(r, "{P} said to {Q}, ")) + c + ".";
    }
    case 1: {
      const std::string where = fill(r, " in {L}.");
      return "And " + clause(r) + where;
    }
    case 2: {
      const std::string extra = pick(r, kExtras);
      return "Then " + clause(r) + ", " + extra + ".";
    }
    case 3: {
      const std::string extra = pick(r, kExtras);
      return capitalised(clause(r)) + ", " + extra + ".";
    }
    default: {
      const std::string extra = pick(r, kExtras);
      return capitalised(fill(r, "In {L} {P} {V} before {Q}, ")) + extra + ".";
    }
  }
}

}  // namespace

std::string regular_question(Random& r, bool flaws) {
  int k = r.random(100);
  const Frame& f = k < 65   ? pick_frame(r, kInterrogative)
                   : k < 82 ? pick_frame(r, kLookalike)
                            : pick_frame(r, kOtherOpenings);
  std::string q = fill(r, f.text);
  // Now and then a question typed with a lower-case first letter.
  if (r.random(50) == 0) q = lowered(q);
  if (r.random(25) == 0 && flaws) return q;  // a question without a separate answer
  std::string a = answer(r, f.answer);
  if (r.random(40) == 0) a = "^" + a;
  return q + "\t" + a;
}

std::string cv_ref_text(Random& r) {
  const Frame& f = pick_frame(r, kInterrogative);
  const std::string a = answer(r, f.answer);
  return lowered(fill(r, f.text)) + " " + a;
}

std::string co_ref_text(Random& r) {
  const Frame& f = r.random(4) ? pick_frame(r, kInterrogative) : pick_frame(r, kOtherOpenings);
  const std::string a = answer(r, f.answer);
  return lowered(fill(r, f.text)) + " " + a;
}

std::string verse_text(Random& r, bool long_text) {
  std::string v = sentence(r);
  if (long_text) {
    while (v.size() < 260) v += " " + sentence(r);
  } else if (r.random(3) == 0) {
    std::string more = sentence(r);
    if (v.size() + more.size() < 200) v += " " + more;
  }
  return v;
}

std::string later_part(Random& r, const std::string& verse) {
  auto w = words_of(verse);
  if (w.size() < 12) return verse;
  size_t from = 3 + static_cast<size_t>(r.random(static_cast<int>(w.size()) - 11));
  return join(w, from, w.size());
}

std::string mark_word(Random& r, const std::string& text) {
  auto w = words_of(text);
  if (w.size() < 2) return text;
  size_t at = 1 + static_cast<size_t>(r.random(static_cast<int>(w.size()) - 1));
  w[at] = "^" + w[at];
  return join(w, 0, w.size());
}

std::string sit_text(Random& r, const std::string& verse, bool long_text, bool flaws) {
  static const std::array<const char*, 5> situations = {
      "{P} is speaking to {Q} in {L} and says,", "{P} and {Q} are in {L}. {P} says,",
      "{Q} stands before {P} in {L}, who says,",
      "In {L}, {P} speaks to {Q}:", "{P} has come to {L} and says to {Q},"};
  static const std::array<const char*, 3> questions = {"Who said this?", "To whom was this said?",
                                                       "Who said this, and to whom?"};
  // The printed first line holds "SIT   nn. ", the situation and a comma before the reference
  // in column 72: at most 60 characters of situation.
  std::string situation = capitalised(fill(r, pick(r, situations)));
  while (!flaws && situation.size() > 60) situation = capitalised(fill(r, pick(r, situations)));
  auto w = words_of(verse);
  std::string quote;
  if (long_text) {
    quote = verse;
  } else {
    size_t n = 0;
    while (n < w.size() && quote.size() + w[n].size() < 100) quote = join(w, 0, ++n);
    if (n < 6) quote = join(w, 0, n = 6);
    if (n < w.size()) quote += "...";
  }
  if (r.random(20) == 0) quote = mark_word(r, quote);
  const char* mark = r.random(10) < 3 ? "'" : "\"";
  char kind = r.random(4) ? 'p' : 'l';
  const char* question = kind == 'p' ? pick(r, questions) : "Where was this said?";
  return situation + " " + mark + quote + mark + " " + question + " *" + answer(r, kind);
}

}  // namespace halvorin::material
