I am=I'm=
I'm=I am=
I have=I've=
I've=I have=
I would=I'd=
I'd=I would=
I will=I'll=
I'll=I will=
do not=don't=
don't=do not=
does not=doesn't=
doesn't=does not=
did not=didn't=
didn't=did not=
is not=isn't=
isn't=is not=
are not=aren't=
aren't=are not=
was not=wasn't=
wasn't=was not=
cannot=can't=
can't=cannot=
will not=won't=
won't=will not=
have not=haven't=
haven't=have not=
had not=hadn't=
hadn't=had not=
It is=It's=
It's=It is=
it is=it's=
it's=it is=
That is=That's=
That's=That is=
We are=We're=
We're=We are=
we will=we'll=
we'll=we will=
He is=He's=
He's=He is=
She is=She's=
She's=She is=
Let us=Let's=
Let's=Let us=
there is=there's=
there's=there is=
 two= 2=
 2= two=
 three= 3=
 3= three=
 five= 5=
 5= five=
 seven= 7=
 7= seven=
 eight= 8=
 8= eight=
 nine= 9=
 9= nine=
 ten= 10=
 10= ten=
OK=okay=
okay=OK=
centre=center=
center=centre=
colour=color=
color=colour=
favourite=favorite=
favorite=favourite=
