#!/usr/bin/perl
# Makes src/text/unicode_tables.cpp, the character tables of the text
# module, from the Unicode Character Database as Debian's unicode-data
# package ships it:
#
#   perl tools/make_unicode_tables.pl /usr/share/unicode src/text/unicode_tables.cpp
#
# The same data always gives the same bytes, and a test checks that the
# committed file is what the packaged data gives.
use strict;
use warnings;

my ($data, $output) = @ARGV;
die "usage: $0 UNICODE_DATA_DIRECTORY OUTPUT_FILE\n" unless defined $output;

my $kLast = 0x10FFFF;
my (@category, @combiningClass, %decomposition, %lowerCase, @wide, %excluded);

# UnicodeData.txt: one character a line, or the first and last of a range
# of characters that share their properties (<CJK Ideograph, First>).
sub readCharacters {
  open my $in, '<', "$data/UnicodeData.txt" or die "$data/UnicodeData.txt: $!\n";
  my $rangeFirst;
  while (<$in>) {
    my ($code, $name, $category, $class, undef, $mapping, @rest) = split /;/;
    my $lower = $rest[7] // '';  # field 13: the simple lower-case mapping
    my $value = hex $code;
    if ($name =~ /, First>$/) { $rangeFirst = $value; next; }
    my $first = $name =~ /, Last>$/ ? $rangeFirst : $value;
    for my $c ($first .. $value) { $category[$c] = $category; $combiningClass[$c] = $class; }
    $decomposition{$value} = [map { hex } split / /, $mapping] if $mapping ne '' && $mapping !~ /^</;
    $lowerCase{$value} = hex $lower if $lower ne '';
  }
  close $in;
}

# Lines of "XXXX..YYYY ; value" or "XXXX ; value" with comments after '#'.
sub readProperty {
  my ($file, $visit) = @_;
  open my $in, '<', "$data/$file" or die "$data/$file: $!\n";
  while (<$in>) {
    next unless /^([0-9A-F]+)(?:\.\.([0-9A-F]+))?\s*;\s*([A-Za-z_]+)/;
    $visit->($_, $3) for hex($1) .. hex($2 // $1);
  }
  close $in;
}

sub version {
  open my $in, '<', "$data/DerivedNormalizationProps.txt" or die "$data/DerivedNormalizationProps.txt: $!\n";
  my $first = <$in>;
  close $in;
  return $first =~ /-([0-9.]+)\.txt/ ? $1 : 'unknown';
}

# The ranges of code points for which test holds, as C++ initialisers.
sub ranges {
  my ($test) = @_;
  my @lines;
  my $start;
  for my $c (0 .. $kLast + 1) {
    my $in = $c <= $kLast && $test->($c);
    if ($in && !defined $start) { $start = $c; }
    if (!$in && defined $start) { push @lines, sprintf("    {0x%04X, 0x%04X},", $start, $c - 1); undef $start; }
  }
  return @lines;
}

sub classRanges {
  my @lines;
  my ($first, $value) = (undef, 0);
  for my $c (0 .. $kLast + 1) {
    my $class = $c <= $kLast ? ($combiningClass[$c] // 0) : 0;
    next if defined $first && $class == $value;
    push @lines, sprintf("    {0x%04X, 0x%04X, %d},", $first, $c - 1, $value) if defined $first && $value != 0;
    ($first, $value) = ($c, $class);
  }
  return @lines;
}

sub decompositionLines {
  map { sprintf("    {0x%04X, 0x%04X, 0x%04X},", $_, $decomposition{$_}[0], $decomposition{$_}[1] // 0) }
    sort { $a <=> $b } keys %decomposition;
}

# A pair composes when its composite is not excluded from composition
# (which also leaves out singletons and marks that decompose).
sub compositionLines {
  my @pairs = grep { @{$decomposition{$_}} == 2 && !$excluded{$_} } keys %decomposition;
  my @sorted = sort {
    $decomposition{$a}[0] <=> $decomposition{$b}[0] || $decomposition{$a}[1] <=> $decomposition{$b}[1]
  } @pairs;
  map { sprintf("    {0x%04X, 0x%04X, 0x%04X},", $decomposition{$_}[0], $decomposition{$_}[1], $_) } @sorted;
}

# The simple (one character to one character) lower-case mappings.
sub lowerCaseLines {
  map { sprintf("    {0x%04X, 0x%04X},", $_, $lowerCase{$_}) } sort { $a <=> $b } keys %lowerCase;
}

sub table {
  my ($type, $name, @lines) = @_;
  return "constexpr $type $name\[] = {\n" . join("\n", @lines) . "\n};\n\n";
}

readCharacters();
readProperty('EastAsianWidth.txt', sub { $wide[$_[0]] = 1 if $_[1] eq 'W' || $_[1] eq 'F' });
readProperty('DerivedNormalizationProps.txt',
             sub { $excluded{$_[0]} = 1 if $_[1] eq 'Full_Composition_Exclusion' });

my %unprintable = map { $_ => 1 } qw(Cc Cf Cs Co Cn Zl Zp);
my $category = sub { $category[$_[0]] // 'Cn' };
my $text = sprintf(<<'HEAD', version());
// Made by tools/make_unicode_tables.pl from the Unicode Character Database
// %s; edit the script, not this file.
// clang-format off
#include "text/unicode_tables.h"

namespace text::tables {
namespace {

HEAD
$text .= table('Range', 'kCombiningMarks', ranges(sub { $category->($_[0]) =~ /^M[ne]$/ }));
$text .= table('Range', 'kWide', ranges(sub { $wide[$_[0]] }));
$text .= table('Range', 'kUnprintable', ranges(sub { $unprintable{$category->($_[0])} }));
$text .= table('Range', 'kBlanks', ranges(sub { $category->($_[0]) eq 'Zs' }));
$text .= table('ClassRange', 'kCombiningClasses', classRanges());
$text .= table('Decomposition', 'kDecompositions', decompositionLines());
$text .= table('Composition', 'kCompositions', compositionLines());
$text .= table('CaseMapping', 'kLowerCases', lowerCaseLines());
$text .= <<'TAIL';
}  // namespace

std::span<const Range> combiningMarks() { return kCombiningMarks; }
std::span<const Range> wide() { return kWide; }
std::span<const Range> unprintable() { return kUnprintable; }
std::span<const Range> blanks() { return kBlanks; }
std::span<const ClassRange> combiningClasses() { return kCombiningClasses; }
std::span<const Decomposition> decompositions() { return kDecompositions; }
std::span<const Composition> compositions() { return kCompositions; }
std::span<const CaseMapping> lowerCases() { return kLowerCases; }

}  // namespace text::tables
// clang-format on
TAIL

open my $out, '>', $output or die "$output: $!\n";
print $out $text;
close $out or die "$output: $!\n";
