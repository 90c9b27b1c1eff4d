#include "FormulaParser.h"

#include <array>
#include <exception>

namespace orvex {

namespace {

// Signals a syntax error to the innermost ParseFactor or ParseExpression; never leaves the parser.
class TParseError : public std::exception {
  public:
    explicit TParseError(const char* message) : message_(message) {}
    [[nodiscard]] const char* what() const noexcept override { return message_; }

  private:
    const char* message_;
};

// A level has no token yet until its first GetToken.
constexpr int kNoToken = -1;

struct TFunctionName {
    std::string_view Name;
    int Code;
};

constexpr std::array<TFunctionName, 20> kFunctionNames{{
    {"cos", tkCos},
    {"sin", tkSin},
    {"tg", tkTg},
    {"ctg", tkCtg},
    {"abs", tkAbs},
    {"sgn", tkSgn},
    {"sign", tkSgn},
    {"sqrt", tkSqrt},
    {"ln", tkLn},
    {"exp", tkExp},
    {"arcsin", tkArcsin},
    {"arccos", tkArccos},
    {"arctg", tkArctg},
    {"arcctg", tkArcctg},
    {"sh", tkSh},
    {"ch", tkCh},
    {"th", tkTh},
    {"cth", tkCth},
    {"heaviside", tkHeaviside},
    {"h", tkHeaviside},
}};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsNameChar(char c) {
    return IsNameStart(c) || IsDigit(c);
}

// Function names are case-sensitive: Sin and SIN are plain names.
int NameCode(std::string_view name) {
    for (const auto& f : kFunctionNames)
        if (f.Name == name)
            return f.Code;
    return tkIdent;
}

} // namespace

// The state of one ParseExpression call; ParseTerm and ParseFactor work on the level that called them.
struct TFormulaParser::TLevel {
    std::string_view S;
    int Token = kNoToken;
    std::string TokenText;
    bool Neg = false;
};

void TFormulaParser::Reset() {
    ScanPos_ = 1;
    CurToken_ = tkEnd;
    PrevToken_ = tkEnd;
    Depth_ = 0;
    Failed_ = false;
    Nesting_ = 0;
}

int TFormulaParser::ParseText(std::string_view S) {
    Reset();
    const int root = ParseExpression(S);
    return Failed_ || Depth_ != 0 ? 0 : root;
}

void TFormulaParser::RaiseError(const char* Msg) {
    Failed_ = true;
    throw TParseError(Msg);
}

int TFormulaParser::NewNode() {
    const int index = Nodes.NewNode();
    if (index == 0)
        RaiseError("Too long formula");
    return index;
}

// Scanner routines stay out of line so that the recursive parse routines keep small frames.
[[gnu::noinline]] std::string TFormulaParser::ReadNumber(std::string_view S) {
    const std::size_t n = S.size();
    std::size_t i = ScanPos_ - 1;
    const std::size_t start = i;
    auto takeDigits = [&] {
        while (i < n && IsDigit(S[i]))
            ++i;
    };
    // A malformed number sets Failed; the text read so far still becomes the token.
    auto fail = [&] {
        Failed_ = true;
        ScanPos_ = i + 1;
        return std::string(S.substr(start, i - start));
    };

    takeDigits();
    if (i < n && S[i] == '.') {
        ++i;
        if (i >= n || !IsDigit(S[i]))
            return fail();
        takeDigits();
    }
    if (i < n && (S[i] == 'e' || S[i] == 'E')) {
        ++i;
        if (i >= n)
            return fail();
        if (S[i] == '+' || S[i] == '-')
            ++i;
        if (i >= n || !IsDigit(S[i]))
            return fail();
        takeDigits();
    }
    ScanPos_ = i + 1;
    return std::string(S.substr(start, i - start));
}

[[gnu::noinline]] void TFormulaParser::GetToken(TLevel& level) {
    const std::string_view S = level.S;
    level.TokenText.clear();
    while (ScanPos_ <= S.size() && S[ScanPos_ - 1] == ' ')
        ++ScanPos_;
    if (ScanPos_ > S.size()) {
        level.Token = tkEnd;
        return;
    }
    const char c = S[ScanPos_ - 1];
    switch (c) {
    case '(':
        level.Token = tkOpen;
        ++ScanPos_;
        break;
    case ')':
        level.Token = tkClose;
        ++ScanPos_;
        break;
    case '+':
        level.Token = tkPlus;
        ++ScanPos_;
        break;
    case '*':
        level.Token = tkMul;
        ++ScanPos_;
        break;
    case '/':
        level.Token = tkDiv;
        ++ScanPos_;
        break;
    case '^':
        level.Token = tkPower;
        ++ScanPos_;
        break;
    case '-':
        // A minus directly before a digit belongs to the number only at the start of the text or
        // right after "(".
        if (ScanPos_ < S.size() && IsDigit(S[ScanPos_]) && CurToken_ < tkClose) {
            ++ScanPos_;
            level.TokenText = "-" + ReadNumber(S);
            level.Token = tkNumber;
        } else {
            level.Token = tkMinus;
            ++ScanPos_;
        }
        break;
    default:
        if (IsDigit(c)) {
            level.TokenText = ReadNumber(S);
            level.Token = tkNumber;
        } else if (IsNameStart(c)) {
            std::size_t end = ScanPos_;
            while (end < S.size() && IsNameChar(S[end]))
                ++end;
            level.TokenText = std::string(S.substr(ScanPos_ - 1, end - (ScanPos_ - 1)));
            level.Token = NameCode(level.TokenText);
            ScanPos_ = end + 1;
        } else {
            // No token: the character is skipped and the level keeps the code of its last token.
            // As the first token of a level there is no code to keep, and that is a syntax error.
            ++ScanPos_;
            if (level.Token == kNoToken)
                RaiseError("");
        }
        break;
    }
    PrevToken_ = CurToken_;
    CurToken_ = level.Token;
}

int TFormulaParser::ParseExpression(std::string_view S) {
    TLevel level;
    level.S = S;
    ++Nesting_;
    int node = 0;
    try {
        node = ParseTerm(level);
        for (;;) {
            if (level.Token == tkEnd || level.Token == tkClose) {
                if (level.Token == tkClose)
                    --Depth_;
                break;
            }
            if (level.Token != tkPlus && level.Token != tkMinus)
                RaiseError("");
            const int op = level.Token;
            const int right = ParseTerm(level);
            const int sum = NewNode();
            Nodes[sum].Kind = op;
            Nodes[sum].Left = node;
            Nodes[sum].Right = right;
            node = sum;
        }
    } catch (const TParseError&) {
        node = 0;
    }
    --Nesting_;
    return node;
}

int TFormulaParser::ParseTerm(TLevel& level) {
    level.Neg = false;
    GetToken(level);
    if (PrevToken_ < tkClose) {
        if (level.Token == tkMinus) {
            level.Neg = true;
            GetToken(level);
        }
        if (level.Token == tkPlus)
            GetToken(level);
    }
    int node = ParseFactor(level);
    while (level.Token == tkMul || level.Token == tkDiv) {
        const int op = level.Token;
        GetToken(level);
        const int right = ParseFactor(level);
        const int product = NewNode();
        Nodes[product].Kind = op;
        Nodes[product].Left = node;
        Nodes[product].Right = right;
        node = product;
    }
    if (level.Neg) {
        const int neg = NewNode();
        Nodes[neg].Kind = tkNeg;
        Nodes[neg].Left = node;
        node = neg;
    }
    return node;
}

int TFormulaParser::ParseFactor(TLevel& level) {
    try {
        int node = 0;
        if (level.Token == tkOpen) {
            if (Nesting_ > MaxNesting)
                RaiseError("");
            ++Depth_;
            node = ParseExpression(level.S);
        } else if (level.Token == tkNumber || level.Token == tkIdent) {
            node = NewNode();
            Nodes[node].Kind = level.Token;
            Nodes[node].Text = level.TokenText;
        } else if (IsFunctionKind(level.Token)) {
            const int code = level.Token;
            std::string name = std::move(level.TokenText);
            GetToken(level);
            if (level.Token != tkOpen || Nesting_ > MaxNesting)
                RaiseError("");
            ++Depth_;
            // The function node is taken before the nodes of its argument.
            node = NewNode();
            const int argument = ParseExpression(level.S);
            Nodes[node].Left = argument;
            Nodes[node].Kind = code;
            Nodes[node].Text = std::move(name);
        } else {
            RaiseError("");
        }
        GetToken(level);
        while (level.Token == tkPower) {
            GetToken(level);
            const bool bracketed = level.Token == tkOpen;
            if (bracketed)
                GetToken(level);
            if (level.Token != tkNumber)
                RaiseError("");
            const int exponent = NewNode();
            Nodes[exponent].Kind = tkNumber;
            Nodes[exponent].Text = level.TokenText;
            const int power = NewNode();
            Nodes[power].Kind = tkPower;
            Nodes[power].Left = node;
            Nodes[power].Right = exponent;
            node = power;
            // The brackets of an exponent do not count in the bracket balance.
            if (bracketed) {
                GetToken(level);
                if (level.Token != tkClose)
                    RaiseError("");
            }
            GetToken(level);
        }
        return node;
    } catch (const TParseError&) {
        return 0;
    }
}

} // namespace orvex
