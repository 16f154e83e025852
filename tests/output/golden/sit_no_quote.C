

    League Style Quizzing

    A 1:1 to A 28:31

    Quiz Number 7














    A  9: 4  SIT                        Quiz 7


     1. Saul falls to the ground on the

        road to Damascus and hears a voice 
        from heaven asking why he persecutes 
        *Jesus                               







