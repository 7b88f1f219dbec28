#!/usr/bin/perl
# Makes a Windows icon (.ico) from a drawing in text: lines "X RRGGBB" give
# each character its colour, "." is transparent, "#" starts a comment, and
# the drawing's rows follow, one character a pixel, all the same length
# and as many as they are long. The icon holds the drawing at each of the
# scales given (1 keeps its size, 2 doubles it, ...), as 32-bit images.
# Usage: tools/make_icon.pl DRAWING OUTPUT.ico SCALE...
use strict;
use warnings;

my ($drawing_file, $output, @scales) = @ARGV;
die "usage: $0 DRAWING OUTPUT.ico SCALE...\n" unless defined $output && @scales;

my (%colour, @rows);
open(my $in, '<', $drawing_file) or die "$drawing_file: $!\n";
while (my $line = <$in>) {
  chomp $line;
  next if $line =~ /^#/ || $line eq '';
  if ($line =~ /^(\S) ([0-9a-fA-F]{6})$/) {
    $colour{$1} = [map { hex } unpack('(A2)3', $2)];
  } else {
    push @rows, $line;
  }
}
close $in;
my $size = scalar @rows;
die "$drawing_file: the drawing must be square\n" if grep { length != $size } @rows;
for my $row (@rows) {
  for my $pixel (split //, $row) {
    die "$drawing_file: no colour for '$pixel'\n" unless $pixel eq '.' || $colour{$pixel};
  }
}

# One image: a BITMAPINFOHEADER of twice the height (colour and mask), the
# colour rows bottom up in blue, green, red, alpha, then the mask rows,
# one bit a pixel padded to 32 bits, set where the pixel is transparent.
sub image {
  my ($scale) = @_;
  my $side = $size * $scale;
  my $mask_row = int(($side + 31) / 32) * 4;
  my ($pixels, $mask) = ('', '');
  for my $y (reverse 0 .. $side - 1) {
    my @bits;
    for my $x (0 .. $side - 1) {
      my $pixel = substr($rows[int($y / $scale)], int($x / $scale), 1);
      my $rgb = $colour{$pixel};
      $pixels .= $rgb ? pack('C4', $rgb->[2], $rgb->[1], $rgb->[0], 255) : pack('C4', 0, 0, 0, 0);
      push @bits, $rgb ? 0 : 1;
    }
    my $packed = pack('B*', join('', @bits));
    $mask .= $packed . ("\0" x ($mask_row - length $packed));
  }
  my $header = pack('V l< l< v v V V l< l< V V', 40, $side, 2 * $side, 1, 32, 0,
                    length($pixels) + length($mask), 0, 0, 0, 0);
  return ($side, $header . $pixels . $mask);
}

my @images = map { [image($_)] } @scales;
my $offset = 6 + 16 * @images;
my $directory = pack('v v v', 0, 1, scalar @images);
my $data = '';
for my $image (@images) {
  my ($side, $bytes) = @$image;
  my $dimension = $side >= 256 ? 0 : $side;
  $directory .= pack('C C C C v v V V', $dimension, $dimension, 0, 0, 1, 32, length $bytes, $offset);
  $offset += length $bytes;
  $data .= $bytes;
}
open(my $out, '>:raw', $output) or die "$output: $!\n";
print $out $directory, $data;
close $out or die "$output: $!\n";
