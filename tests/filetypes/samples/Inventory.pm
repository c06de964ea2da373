# Inventory: packages and subs, with the lines that only look like them.
package Inventory;

use strict;
use warnings;

our $VERSION = '1.02';

# sub commented_out { }
my $callback = sub { return 1 };    # anonymous: no name to list

sub new {
    my ($class, %args) = @_;
    return bless { items => {}, %args }, $class;
}

sub add($$$) {
    my ($self, $name, $count) = @_;
    $self->{items}{$name} += $count;
}

sub count :lvalue { $_[0]->{count} }

sub Inventory::Report::render {
    my ($self) = @_;
    return <<"END";
Report for $self->{name}
  sub lines in a here-document are text
END
}

package Inventory::Item {
    sub label { return $_[0]->{label} }
}

package main;

sub _private_helper
{
    return 'kept';
}

1;

__END__

=head1 NAME

Inventory - counts things

=head1 SYNOPSIS

    sub callback_in_pod { ... }   # an indented example, not code
    package Example;

=cut

=pod

sub not_a_sub_in_pod {

=cut
