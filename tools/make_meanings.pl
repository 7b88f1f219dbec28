#!/usr/bin/env perl
# Regenerates engldict.meanings, the word meanings shipped with the game,
# from Princeton's WordNet 3.0 as Debian's wordnet-base package installs it.
#
#   tools/make_meanings.pl [WORDNET_DIR [DICTIONARY [OUTPUT]]]
#
# One line for every word of the dictionary that WordNet can explain:
#
#   word TAB base TAB part of speech TAB gloss [TAB second gloss]
#
# The base is empty where WordNet lists the word as it is; an inflected form
# (planes, walked, bigger, mice) names the base form it takes its meaning
# from, found as WordNet's own lookup finds it: the exception lists first,
# then the usual suffix rules of that part of speech (with a doubled
# consonant undone). The part of speech is WordNet's letter (n, v, a, r).
# Where a word has several parts of speech, the one whose first sense is
# most often seen in WordNet's tagged texts (cntlist.rev) wins, nouns before
# verbs before adjectives before adverbs on a tie.
#
# A sense counts only where WordNet spells its lemma as the dictionary spells
# the word: WordNet's index files are lower-cased, so "doe" there stands for
# the Department of Energy (DOE) as well as for a female deer, but the data
# files keep each lemma's case in the synset's word list. A word whose every
# sense is capitalised (Sat, Jay) is looked for among the inflections, and
# gets no line at all rather than a wrong one.
#
# The first gloss is the word's most common sense (WordNet lists senses most
# common first), without its examples. The game shows it on two rows of 79
# columns after "word (base, noun): ", wrapped at blanks: a gloss that would
# not fit is cut at a word boundary and ends in "...", and where the first
# sense fits on the first row the second sense follows. Perl is part of every
# Debian system, so the script needs nothing beyond wordnet-base.
use strict;
use warnings;
use File::Basename qw(dirname);

my $tools_dir = dirname(__FILE__);
my $wordnet_dir = $ARGV[0] // '/usr/share/wordnet';
my $dictionary = $ARGV[1] // "$tools_dir/../engldict.txt";
my $output = $ARGV[2] // "$tools_dir/../engldict.meanings";

my @parts = qw(n v a r);
my %file_part = (n => 'noun', v => 'verb', a => 'adj', r => 'adv');
my %part_name = (n => 'noun', v => 'verb', a => 'adjective', r => 'adverb');
# cntlist.rev names parts by number; 5 is an adjective satellite.
my %numbered_part = (1 => 'n', 2 => 'v', 3 => 'a', 4 => 'r', 5 => 'a');
# WordNet's suffix rules, in the order its lookup tries them. WordNet's
# lookup tries them on any word; here a rule counts only where English spells
# the inflection that way, so that a word is not explained as a form of
# another word it only looks like:
# - a plain -s follows no s, x, z or sh (those take -es; a ch may be said k:
#   epochs), and no stem of one or two letters: those are pronouns,
#   prepositions and the like (it, he, in), whose -s forms are other words
#   (its, hes, ins), or abbreviations, letters and notes (ad, pi, do);
# - a verb's -es with nothing added back follows only s, x, z, ch, sh or o
#   (fixes, goes), so bees is no form of be;
# - no rule leaves a stem of one letter (lest is no form of l).
my $plain_s_stem = qr/^.{3,}(?<![sxz]|sh)$/;
my $es_stem = qr/(?:[sxzo]|ch|sh)$/;
my %suffix_rules = (
  n => [[qw(s), '', $plain_s_stem], [qw(ses s)], [qw(xes x)], [qw(zes z)], [qw(ches ch)], [qw(shes sh)],
        [qw(men man)], [qw(ies y)]],
  v => [[qw(s), '', $plain_s_stem], [qw(ies y)], [qw(es e)], [qw(es), '', $es_stem], [qw(ed e)], [qw(ed)],
        [qw(ing e)], [qw(ing)]],
  a => [[qw(er)], [qw(est)], [qw(er e)], [qw(est e)]],
  r => [],
);
my $row_width = 79;
my $rows = 2;
my $cut_mark = '...';

# $senses{$part}{$lemma}: the lemma's synset offsets, most common first;
# $sense_count{$part}{$lemma}[$n]: how often its sense $n was seen.
my (%senses, %exceptions, %sense_count, %data_files, %same_case);

sub wordnet_file {
  my ($name) = @_;
  open(my $file, '<', "$wordnet_dir/$name") or die "missing WordNet file: $wordnet_dir/$name (install wordnet-base)\n";
  return $file;
}

sub read_index {
  my ($part) = @_;
  my $file = wordnet_file("index.$file_part{$part}");
  while (my $line = <$file>) {
    next if $line =~ /^ /;  # the licence at the top
    my @fields = split ' ', $line;
    my $pointer_count = $fields[3];
    my $sense_count = $fields[2];
    my @offsets = @fields[(6 + $pointer_count) .. (5 + $pointer_count + $sense_count)];
    $senses{$part}{$fields[0]} = \@offsets;
  }
}

sub read_exceptions {
  my ($part) = @_;
  my $file = wordnet_file("$file_part{$part}.exc");
  while (my $line = <$file>) {
    my ($inflected, @bases) = split ' ', $line;
    $exceptions{$part}{$inflected} = \@bases if @bases;
  }
}

# How often each sense of each lemma was seen, by part of speech.
sub read_sense_counts {
  open(my $file, '<', "$wordnet_dir/cntlist.rev") or return;
  while (my $line = <$file>) {
    my ($key, $sense, $count) = split ' ', $line;
    next unless defined $count && $key =~ /^([^%]+)%(\d)/;
    $sense_count{$numbered_part{$2}}{$1}[$sense] = $count;
  }
}

sub data_line {
  my ($part, $offset) = @_;
  my $file = $data_files{$part} //= wordnet_file("data.$file_part{$part}");
  seek($file, $offset, 0) or return '';
  return <$file> // '';
}

# The lemmas of a synset as its data line spells them, without an
# adjective's position mark: "08132955 14 n 02 DOE 0 Department_of_Energy 0 ...".
sub synset_lemmas {
  my ($part, $offset) = @_;
  my (undef, undef, undef, $count, @rest) = split ' ', data_line($part, $offset);
  return () unless defined $count && $count =~ /^[0-9a-f]+$/;
  my @lemmas = map { $rest[2 * $_] // '' } 0 .. hex($count) - 1;
  s/\([a-z]+\)$// for @lemmas;
  return @lemmas;
}

# The [sense number, offset] of the senses in which WordNet spells the lemma
# exactly as word, most common first.
sub senses_as_spelled {
  my ($part, $word) = @_;
  my $offsets = $senses{$part}{lc $word} or return ();
  $same_case{$part}{$word} //= [
    grep { my $offset = $_->[1]; grep { $_ eq $word } synset_lemmas($part, $offset) }
    map { [$_ + 1, $offsets->[$_]] } 0 .. $#$offsets
  ];
  return @{ $same_case{$part}{$word} };
}

# The gloss of a synset without its examples: "a flat surface; \"...\"".
sub gloss {
  my ($part, $offset) = @_;
  my ($gloss) = data_line($part, $offset) =~ /\|\s*(.*?)\s*$/ or return '';
  $gloss =~ s/;?\s*".*//;
  $gloss =~ s/[;:,\s]+$//;
  $gloss =~ s/[^\x20-\x7e]//g;
  return $gloss;
}

# A stem that doubled its last consonant before the suffix (gutted,
# badder) also stands for the stem without the double, where the suffix rule
# adds nothing back: WordNet lists most such forms among its exceptions, but
# not all.
sub undoubled {
  my ($stem, $ending) = @_;
  return () if $ending ne '' || $stem !~ /([b-df-hj-np-tv-z])\1$/;
  return substr($stem, 0, -1);
}

# The base forms WordNet's lookup gives for an inflected word, as
# [base, part] in the order it tries them: each part's exceptions, else its
# first suffix rule that leads to a listed lemma.
sub inflection_bases {
  my ($word) = @_;
  my @found;
  for my $part (@parts) {
    if (my $bases = $exceptions{$part}{$word}) {
      push @found, map { [$_, $part] } grep { senses_as_spelled($part, $_) } @$bases;
      next;
    }
    for my $rule (@{ $suffix_rules{$part} }) {
      my ($suffix, $ending, $stem_pattern) = ($rule->[0], $rule->[1] // '', $rule->[2] // qr/../);
      next unless length($word) > length($suffix) && substr($word, -length($suffix)) eq $suffix;
      my $stem = substr($word, 0, -length($suffix));
      next unless $stem =~ $stem_pattern;
      my ($base) = grep { senses_as_spelled($part, $_) } ($stem . $ending, undoubled($stem, $ending));
      if (defined $base) {
        push @found, [$base, $part];
        last;
      }
    }
  }
  return @found;
}

# The word's own entries if WordNet lists it, else its inflections' bases;
# of those, the one whose first sense is most common, the first on a tie.
sub best_entry {
  my ($word) = @_;
  my @candidates = map { [$word, $_] } grep { senses_as_spelled($_, $word) } @parts;
  @candidates = inflection_bases($word) unless @candidates;
  my $best;
  for my $candidate (@candidates) {
    my ($base, $part) = @$candidate;
    my $first_sense = (senses_as_spelled($part, $base))[0][0];
    my $count = $sense_count{$part}{ lc $base }[$first_sense] // 0;
    $best = [@$candidate, $count] if !$best || $count > $best->[2];
  }
  return $best;
}

# The rows text takes when wrapped at blanks to rows of $row_width.
sub rows_taken {
  my ($text) = @_;
  my ($taken, $used) = (1, 0);
  for my $word (split / /, $text) {
    my $needed = $used == 0 ? length($word) : $used + 1 + length($word);
    if ($needed <= $row_width) {
      $used = $needed;
    } else {
      ++$taken;
      $used = length($word);
    }
  }
  return $taken;
}

# The longest start of gloss, cut at a blank and marked, that still lets
# prefix . gloss fit the rows; empty when not even one word does.
sub fitted {
  my ($prefix, $gloss) = @_;
  return $gloss if rows_taken($prefix . $gloss) <= $rows;
  my @words = split / /, $gloss;
  while (@words) {
    pop @words;
    my $cut = join(' ', @words) . $cut_mark;
    return $cut if @words && rows_taken($prefix . $cut) <= $rows;
  }
  return '';
}

# The glosses of the entry as the game shows them (see the top comment).
sub glosses {
  my ($word, $base, $part) = @_;
  my $prefix = $base eq $word ? "$word ($part_name{$part}): " : "$word ($base, $part_name{$part}): ";
  my @offsets = map { $_->[1] } senses_as_spelled($part, $base);
  my $first = fitted($prefix, gloss($part, $offsets[0]));
  return ($first) if @offsets < 2 || rows_taken($prefix . $first) > 1;
  my $second = fitted("${prefix}1. $first 2. ", gloss($part, $offsets[1]));
  return $second eq '' ? ($first) : ($first, $second);
}

for my $part (@parts) {
  read_index($part);
  read_exceptions($part);
}
read_sense_counts();

open(my $words, '<', $dictionary) or die "missing dictionary: $dictionary\n";
my @lines = ("# Word meanings for the dictionary, from WordNet 3.0: see engldict.meanings.COPYING.",
             "# word, base form if inflected, part of speech, glosses; made by tools/make_meanings.pl.");
my ($total, $explained) = (0, 0);
while (my $word = <$words>) {
  $word =~ s/\r?\n$//;
  next if $word eq '';
  ++$total;
  my $entry = best_entry($word) or next;
  my ($base, $part) = @$entry;
  my @glosses = grep { $_ ne '' } glosses($word, $base, $part);
  next unless @glosses;
  ++$explained;
  push @lines, join("\t", $word, $base eq $word ? '' : $base, $part, @glosses);
}

open(my $out, '>', "$output.tmp") or die "cannot write $output.tmp\n";
print $out map { "$_\n" } @lines;
close($out) or die "cannot write $output.tmp\n";
rename("$output.tmp", $output) or die "cannot write $output\n";
my $size = -s $output;
printf "wrote %s: %d of %d words explained (%.1f%%), %d bytes\n", $output, $explained, $total,
  $total ? 100 * $explained / $total : 0, $size;
