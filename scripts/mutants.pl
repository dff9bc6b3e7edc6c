#!/usr/bin/perl
# Helper of mutants.sh. "liste FILE" prints one line per mutant of FILE: line, column, operator
# index and the line's text; "applique FILE LINE COLUMN OPERATOR" prints FILE with that mutant.
# Strings and comments are never mutated.
use strict;
use warnings;

# Pattern and replacement of each operator. Binary operators are matched with the blanks the
# formatter puts round them, so template brackets and includes never match.
my @operateurs = (
    [' == ', ' != '], [' != ', ' == '], [' < ', ' <= '], [' <= ', ' < '],
    [' > ', ' >= '], [' >= ', ' > '], [' && ', ' || '], [' \|\| ', ' && '],
    ['\btrue\b', 'false'], ['\bfalse\b', 'true'], [' \+ 1\b', ' - 1'], [' - 1\b', ' + 1'],
    ['\+\+', '--'], ['--', '++'], ['!(?!=)', ''],
);

# The line with string literals and the comment blanked out, so positions stay the same.
sub code_seul {
    my ($ligne) = @_;
    $ligne =~ s/"(?:\\.|[^"\\])*"/' ' x length($&)/ge;
    $ligne =~ s{//.*}{' ' x length($&)}e;
    return $ligne;
}

my ($mode, $fichier, @args) = @ARGV;
open(my $f, '<', $fichier) or die "$fichier: $!";
my @lignes = <$f>;
close($f);
if ($mode eq 'liste') {
    for my $n (0 .. $#lignes) {
        next if $lignes[$n] =~ /^\s*(\/\/|#)/;
        my $code = code_seul($lignes[$n]);
        for my $o (0 .. $#operateurs) {
            my $motif = $operateurs[$o][0];
            while ($code =~ /$motif/g) {
                my $colonne = $-[0];
                my $texte = $lignes[$n] =~ s/^\s+|\s+$//gr;
                print $n + 1, " $colonne $o $texte\n";
            }
        }
    }
} else {
    my ($n, $colonne, $o) = @args;
    my ($motif, $remplacement) = @{$operateurs[$o]};
    my $ligne = $lignes[$n - 1];
    pos($ligne) = $colonne;
    $ligne =~ s/\G$motif/$remplacement/ or die "no operator at $fichier:$n:$colonne";
    $lignes[$n - 1] = $ligne;
    print @lignes;
}
