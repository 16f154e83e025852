

    League Style Quizzing

    J 1:1 to J 21:25

    Quiz Number 7













    J  6:35                             Quiz 7


     1. Who said, "I am the bread of life"?

        Jesus                                












    J  6:71   CV                      Quiz 7


      2. Accd. to John chapter 6 verse 71, 

        Who was it that would betray him, 
        being one of the twelve? Judas the 
        son of Simon Iscariot                











    J  2: 5  SIT                        Quiz 7


     3. His mother says to the servants at the wedding in Cana:

        "Whatever he says to you, do it." 
        Who said this? *His mother           










    J  3:16   FTa                     Quiz 7


     4. For God so loved the world, that he
        gave his only Son, that whoever 
        believes in him should not perish 
        but have eternal life.               











    J 11:35   QTb                     Quiz 7


     5. Quote John Chapter 11 verse 35

        Jesus wept.                          












    J 21:17   CO                      Quiz 7


     6. According to John chapter 21

        how many times did Jesus ask Peter 
        whether he loved him? Three times    











    J  1: 1                             Quiz 7


     7. In the beginning was what?

        The Word                             










