#include "core/import/jsonlines.h"

#include <algorithm>

namespace soccer {

namespace {

// Deeper nesting than QJsonDocument reads is not followed.
constexpr std::size_t kMaxDepth = 1024;

enum class Role { Root, RoundsArray, Round, MatchesArray, Other };

struct Frame {
    Role role = Role::Other;
    bool object = false;
    bool expectKey = true; // objects: the next string is a key
    QByteArrayView key;    // objects: the key of the value being read
    int elements = 0;      // arrays: elements begun so far
    int group = -1;        // Round: its index; MatchesArray: -1 root, else the round's index
};

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

bool endsScalar(char ch) {
    return isBlank(ch) || ch == ',' || ch == ']' || ch == '}' || ch == ':' || ch == '"' ||
           ch == '[' || ch == '{';
}

class Locator {
  public:
    explicit Locator(QByteArrayView json) : json_(json) {}

    JsonMatchLines run() {
        const qsizetype size = json_.size();
        for (pos_ = 0; pos_ < size && stack_.size() <= kMaxDepth;) {
            const char ch = json_[pos_];
            if (ch == '\n')
                ++line_;
            if (isBlank(ch) || ch == ':') {
                ++pos_;
            } else if (ch == ',') {
                if (!stack_.empty() && stack_.back().object)
                    stack_.back().expectKey = true;
                ++pos_;
            } else if (ch == '"') {
                readString();
            } else if (ch == '{' || ch == '[') {
                open(ch == '{');
                ++pos_;
            } else if (ch == '}' || ch == ']') {
                if (!stack_.empty())
                    stack_.pop_back();
                ++pos_;
            } else {
                valueStarts();
                while (pos_ < size && !endsScalar(json_[pos_]))
                    ++pos_;
            }
        }
        return std::move(lines_);
    }

  private:
    void readString() {
        const qsizetype start = ++pos_;
        while (pos_ < json_.size() && json_[pos_] != '"') {
            if (json_[pos_] == '\n')
                ++line_;
            pos_ += json_[pos_] == '\\' ? 2 : 1;
        }
        const QByteArrayView text = json_.sliced(start, std::min(pos_, json_.size()) - start);
        ++pos_;
        if (!stack_.empty() && stack_.back().object && stack_.back().expectKey) {
            stack_.back().key = text;
            stack_.back().expectKey = false;
            return;
        }
        valueStarts();
    }

    // A value begins inside the innermost container: a match when that is a list of matches.
    void valueStarts() {
        if (stack_.empty() || stack_.back().object)
            return;
        Frame &array = stack_.back();
        ++array.elements;
        if (array.role == Role::MatchesArray)
            matchLines(array.group).push_back(line_);
    }

    std::vector<int> &matchLines(int group) {
        return group < 0 ? lines_.root : lines_.rounds[std::size_t(group)];
    }

    void open(bool object) {
        valueStarts();
        Frame frame;
        frame.object = object;
        frame.role = roleOf(frame, object);
        stack_.push_back(frame);
    }

    Role roleOf(Frame &frame, bool object) {
        if (stack_.empty())
            return object ? Role::Root : Role::Other;
        const Frame &parent = stack_.back();
        const bool matchesKey = parent.object && parent.key == QByteArrayView("matches");
        if (parent.role == Role::Root && !object && matchesKey) {
            lines_.root.clear(); // a repeated key counts by its last occurrence
            frame.group = -1;
            return Role::MatchesArray;
        }
        if (parent.role == Role::Root && !object && parent.key == QByteArrayView("rounds")) {
            lines_.rounds.clear();
            return Role::RoundsArray;
        }
        if (parent.role == Role::RoundsArray && object) {
            frame.group = parent.elements - 1;
            lines_.rounds.resize(std::max(lines_.rounds.size(), std::size_t(parent.elements)));
            return Role::Round;
        }
        if (parent.role == Role::Round && !object && matchesKey) {
            frame.group = parent.group;
            lines_.rounds[std::size_t(frame.group)].clear();
            return Role::MatchesArray;
        }
        return Role::Other;
    }

    QByteArrayView json_;
    qsizetype pos_ = 0;
    int line_ = 1;
    std::vector<Frame> stack_;
    JsonMatchLines lines_;
};

} // namespace

JsonMatchLines locateJsonMatches(QByteArrayView json) {
    return Locator(json).run();
}

int lineAtOffset(QByteArrayView text, qsizetype offset) {
    const QByteArrayView before = text.first(std::clamp<qsizetype>(offset, 0, text.size()));
    return 1 + int(std::count(before.begin(), before.end(), '\n'));
}

} // namespace soccer
