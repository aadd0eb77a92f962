#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "cli/json_writer.h"
#include "cli_run.h"

namespace orrery::cli {
namespace {

Arguments Make(std::initializer_list<const char*> list) {
  static std::vector<std::string> storage;
  static std::vector<char*> pointers;
  storage.assign(list.begin(), list.end());
  pointers.clear();
  for (std::string& s : storage) pointers.push_back(s.data());
  return Arguments(*FindCommandHelp("positions"), static_cast<int>(pointers.size()), pointers.data());
}

TEST(Arguments, TakesOptionsFlagsAndReportsLeftovers) {
  Arguments args = Make({"--ut", "2000-01-01T12:00", "--json", "extra"});
  EXPECT_EQ(args.Take("ut").value(), "2000-01-01T12:00");
  EXPECT_TRUE(args.Flag("json"));
  EXPECT_FALSE(args.Flag("julian"));
  EXPECT_FALSE(args.Flag("now"));
  EXPECT_EQ(args.Problem(), "unexpected argument 'extra' (try 'orrery-cli positions --help')");
  EXPECT_EQ(args.TakePositional().value(), "extra");
  EXPECT_EQ(args.Problem(), "");
}

TEST(Arguments, OptionWithoutValueIsAProblem) {
  Arguments args = Make({"--json", "--ut"});
  EXPECT_FALSE(args.Take("ut").has_value());
  EXPECT_TRUE(args.Flag("json"));
  EXPECT_EQ(args.Problem(), "option --ut needs a value (try 'orrery-cli positions --help')");
}

// Only what the command's table declares can be taken, and only as declared.
TEST(Arguments, UndeclaredOptionsCannotBeTaken) {
  const struct {
    bool flag;
    const char* name;
    const char* problem;
  } cases[] = {
      {false, "lat", "option --lat is not declared for 'orrery-cli positions' with a value"},
      {true, "ut", "option --ut is not declared for 'orrery-cli positions' as a flag"},
  };
  for (const auto& c : cases) {
    Arguments args = Make({"--lat", "51N29", "--ut", "x"});
    EXPECT_FALSE(c.flag ? args.Flag(c.name) : args.Take(c.name).has_value()) << c.name;
    EXPECT_EQ(args.Problem(), std::string(c.problem) + " (try 'orrery-cli positions --help')");
  }
}

TEST(JsonWriter, NestsSeparatesAndEscapes) {
  JsonWriter w;
  w.BeginObject().Key("a").Number(0.1).Key("list").BeginArray();
  w.Integer(1).Integer(-2).BeginObject().Key("s").String("q\"\\\n").EndObject();
  w.EndArray().Key("ok").Bool(true).Key("bad").Number(NAN).Key("name").String(u"Löwe");
  w.EndObject();
  EXPECT_EQ(w.Text(),
            "{\"a\":0.10000000000000001,\"list\":[1,-2,{\"s\":\"q\\\"\\\\\\u000a\"}],"
            "\"ok\":true,\"bad\":null,\"name\":\"L\xC3\xB6we\"}");
}

TEST(JsonWriter, NumbersReadBackExactly) {
  for (double v : {1.0 / 3.0, 6.283185307179586, -1e-300, 51544.5}) {
    JsonWriter w;
    w.Number(v);
    EXPECT_EQ(std::strtod(w.Text().c_str(), nullptr), v);
  }
}

TEST(OrreryCli, UnknownCommandExitsWithTwo) {
  cli_test::CliRun run = cli_test::RunOrreryCli("no-such-command");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "orrery-cli: unknown command 'no-such-command' (try 'orrery-cli --help')\n");
}

}  // namespace
}  // namespace orrery::cli
