// Speed of the page document model: parsing and serializing a large page, and typing into a card-sized page
// with the page serialized after every character (as the view binding and the page file writer need it).
#include "Document.h"
#include "Element.h"
#include "TextRange.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <gumbo.h>
#include <string>
#include <vector>

using namespace pls::page;

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A page of the program's own kind, grown to about the given size.
std::string cardPage(std::size_t bytes) {
    const std::string block =
        "<FONT FACE=\"Arial, Helvetica\" COLOR=\"#FF0000\" SIZE=\"4\">Happy <B>birthday</B>, dear "
        "friend!&nbsp;"
        "Grüße aus dem Süden.</FONT><BR><IMG SRC=\"rose.gif\" WIDTH=\"120\" HEIGHT=\"80\"><BR>\n"
        "<TABLE WIDTH=\"300\" BORDER=\"1\" BGCOLOR=\"#FFFFCC\"><TR><TD ALIGN=\"left\" VALIGN=\"top\"><FONT "
        "FACE=\"Tahoma\">"
        "Cell text with an <A HREF=\"Page2.html\">inner link</A></FONT></TD></TR></TABLE>\n<!-- block -->\n";
    std::string html = "<HTML><HEAD><TITLE>Card</TITLE></HEAD><BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">\n";
    while (html.size() < bytes)
        html += block;
    return html + "</BODY></HTML>";
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// On a machine shared with other work the best round shows the program's own cost.
double best(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

void parseAndSerialize() {
    const std::string html = cardPage(1024 * 1024);
    std::vector<double> parse;
    std::vector<double> serialize;
    std::vector<double> gumboAlone;
    std::size_t written = 0;
    for (int round = 0; round < 15; ++round) {
        const auto start = Clock::now();
        auto document = Document::parse(html);
        parse.push_back(millisecondsSince(start));
        const auto middle = Clock::now();
        written = document->source().size();
        serialize.push_back(millisecondsSince(middle));
        GumboOptions options = kGumboDefaultOptions;
        options.max_errors = 0;
        const auto raw = Clock::now();
        GumboOutput* output = gumbo_parse_with_options(&options, html.data(), html.size());
        gumboAlone.push_back(millisecondsSince(raw));
        gumbo_destroy_output(&options, output);
    }
    std::printf("1 MB page (%zu bytes in, %zu out), 15 rounds:   median     best\n", html.size(), written);
    std::printf("  parse                              %8.2f %8.2f ms\n", median(parse), best(parse));
    std::printf("  serialize                          %8.2f %8.2f ms\n", median(serialize), best(serialize));
    std::printf("  gumbo's own parse of the same text %8.2f %8.2f ms\n", median(gumboAlone),
                best(gumboAlone));
}

void typeIntoCard() {
    auto document = Document::parse(cardPage(50 * 1024));
    const std::size_t size = document->source().size();
    // The caret in the text of a text block in the middle of the page.
    Element* font = document->allElements()[document->allElements().size() / 2];
    while (!font->hasTag("FONT"))
        font = document->elementAt(font->sourceIndex() + 1);
    TextRange caret(*document);
    caret.moveToElementText(*font);
    caret.move(MoveUnit::Character, 3);
    const int count = 1000;
    std::vector<double> each;
    std::size_t written = 0;
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) {
        const auto one = Clock::now();
        caret.pasteHtml(i % 10 == 9 ? "&amp;" : "x");
        caret.move(MoveUnit::Character, 0);
        written += document->source().size();
        each.push_back(millisecondsSince(one));
    }
    const double total = millisecondsSince(start);
    std::printf("%d single-character pastes into a %zu-byte page, serialized after each:\n", count, size);
    std::printf("  total            %8.2f ms\n", total);
    std::printf("  per paste        %8.3f ms (median %.3f ms, worst %.3f ms)\n", total / count, median(each),
                *std::max_element(each.begin(), each.end()));
    std::printf("  (%zu bytes serialized in all)\n", written);
}

} // namespace

int main() {
    parseAndSerialize();
    typeIntoCard();
    return 0;
}
